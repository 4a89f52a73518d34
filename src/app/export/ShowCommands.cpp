// The commands of the shows entered for: the entry form and the cage labels.
#include "app/export/ExportRun.h"

#include "core/export/CsvExport.h"
#include "core/language/TextLanguage.h"
#include "core/records/RecordsDatabase.h"
#include "core/stock/ShowEntries.h"
#include "core/stock/StockDocument.h"
#include "reports/engine/ReportPages.h"
#include "reports/layouts/EntryFormReport.h"
#include "reports/layouts/ShowLabelReport.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

QString oneShow(const ExportRequest& request)
{
    return request.words.size() == 1
        ? QString()
        : QCoreApplication::translate("ExportTool",
                                      "Es fehlt der Name der Ausstellung (in Anführungszeichen, wenn er "
                                      "Leerzeichen enthält).");
}

bool always(const ExportRequest&)
{
    return true;
}

// The newest show of the name, with its entries; none (told) when there is none.
std::optional<std::pair<ShowEvent, std::vector<ShowEntry>>> showOf(ExportRun& run)
{
    const QString name = run.request.words.first();
    for (const ShowEvent& show : run.stock.records().showEvents()) {
        if (show.name == name)
            return std::pair {show, run.stock.records().entries(show.id)};
    }
    run.err << QCoreApplication::translate("ExportTool", "Eine Ausstellung „%1“ ist nicht eingetragen.").arg(name)
            << '\n';
    return std::nullopt;
}

int entries(ExportRun& run)
{
    const auto show = showOf(run);
    if (!run.recordsIntact())
        return FileProblem;
    if (!show)
        return NotFound;
    if (run.request.suffix() == QLatin1String("csv"))
        return run.writeBytes(tableCsv(entryListHeadings(false), entryListRows(run.stock, show->second, false)));
    const TextLanguage::Scope language(printoutLanguage());
    return run.writePages(*entryFormPages(run.stock, show->first, show->second));
}

int labels(ExportRun& run)
{
    const auto show = showOf(run);
    if (!run.recordsIntact())
        return FileProblem;
    if (!show)
        return NotFound;
    const LabelSheet sheet = labelSheetOf(run.request.option("--sheet")).value_or(LabelSheet::ThreeByEight);
    const TextLanguage::Scope language(printoutLanguage());
    return run.writePages(FixedPages(showLabelPages(show->first, show->second, sheet)));
}

} // namespace

QList<ExportCommand> showCommands()
{
    return {
        ExportCommand {.name = "entries",
                       .outputTypes = QStringList {"pdf", "png", "csv"},
                       .check = oneShow,
                       .run = entries,
                       .needsRecords = always},
        ExportCommand {.name = "labels",
                       .outputTypes = QStringList {"pdf", "png"},
                       .check =
                           [](const ExportRequest& r) {
                               if (r.has("--sheet") && !labelSheetOf(r.option("--sheet")))
                                   return QCoreApplication::translate("ExportTool", "--sheet nimmt 3x8 oder 3x7.");
                               return oneShow(r);
                           },
                       .run = labels,
                       .options = {"--sheet"},
                       .needsRecords = always},
    };
}
