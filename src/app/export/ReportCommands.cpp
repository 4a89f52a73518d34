// The commands that write printouts to PDF or PNG.
#include "app/export/ExportRun.h"

#include "core/breeding/CageCard.h"
#include "core/export/PedigreeFile.h"
#include "core/files/Preferences.h"
#include "core/language/Languages.h"
#include "core/language/TextLanguage.h"
#include "core/stock/StockDocument.h"
#include "reports/layouts/CageCardReport.h"
#include "reports/layouts/PairSheetReport.h"
#include "reports/layouts/PedigreeReport.h"
#include "reports/layouts/RecordSheetReport.h"
#include "reports/layouts/StockListReport.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

QString oneRingOrMore(const ExportRequest& request)
{
    return request.words.isEmpty() ? QCoreApplication::translate("ExportTool", "Es fehlt die Ringnummer.") : QString();
}

// The pedigree file that goes with a bought bird, for the buyer's program.
int pedigreeToFile(ExportRun& run)
{
    if (run.request.words.size() != 1) {
        run.err << QCoreApplication::translate("ExportTool",
                                               "Eine Stammbaumdatei wird für genau eine Ringnummer geschrieben.")
                << '\n';
        return WrongUse;
    }
    const QByteArray file = pedigreeFile(run.stock, run.request.words.first());
    if (file.isEmpty()) {
        run.err << QCoreApplication::translate("ExportTool", "Die Ringnummer „%1“ ist nicht im Bestand.")
                       .arg(run.request.words.first())
                << '\n';
        return NotFound;
    }
    return run.writeBytes(file);
}

int certificates(ExportRun& run, bool pedigree)
{
    std::vector<ReportPage> pages;
    // The certificate as the breeder set it up in the program.
    const Preferences preferences = Preferences::load(Preferences::defaultFile());
    CertificateRequest request;
    request.preferences = preferences.certificate;
    const QString language = printoutLanguage(preferences);
    for (const QString& ring : run.request.words) {
        PedigreeReport::FillResult filled;
        {
            // The layouts read their captions when made: made in the printout's language.
            const TextLanguage::Scope scope(language);
            PedigreeReport certificate;
            RecordSheetReport sheet;
            filled = certificate.fill(run.stock, ring, request, &sheet);
            if (filled.found && filled.error.isEmpty())
                pages.push_back(pedigree ? certificate.page() : sheet.page());
        }
        if (!filled.found) {
            run.err << QCoreApplication::translate("ExportTool", "Die Ringnummer „%1“ ist nicht im Bestand.").arg(ring)
                    << '\n';
            return NotFound;
        }
        if (!filled.error.isEmpty()) {
            run.err << filled.error << '\n';
            return FileProblem;
        }
    }
    return run.writePages(FixedPages(std::move(pages)));
}

int stockList(ExportRun& run)
{
    const QString by = run.request.option("--by");
    const QString layoutName = run.request.option("--layout");
    StockListRequest list;
    list.order = by == QLatin1String("year") ? StockListOrder::ByBirthYear : StockListOrder::ByRing;
    const QString language = printoutLanguage();
    const TextLanguage::Scope scope(language);
    if (run.request.suffix() == QLatin1String("html"))
        return run.writeFile([&](QIODevice& device) { return writeStockListHtml(run.stock, device, list.order); });
    list.layout = run.stock.printSettings().stockListLayout;
    if (!layoutName.isEmpty())
        list.layout = layoutName == QLatin1String("one") ? StockListLayout::OneLine : StockListLayout::TwoLines;
    if (run.request.has("--breed"))
        list.breed = run.request.option("--breed");
    return run.writePages(TranslatedPages(stockListPages(run.stock, list), language));
}

int printPairSheet(ExportRun& run)
{
    bool isNumber = false;
    const int number = run.request.words.first().toInt(&isNumber);
    if (!isNumber || number < 1 || number > int(run.stock.pairs().size())) {
        //: %1 is the number asked for, %2 how many breeding pairs there are.
        run.err << QCoreApplication::translate("ExportTool", "Ein Zuchtpaar %1 gibt es nicht; es gibt %2.")
                       .arg(run.request.words.first())
                       .arg(run.stock.pairs().size())
                << '\n';
        return NotFound;
    }
    const TextLanguage::Scope language(printoutLanguage());
    PairSheetReport report;
    report.fill(::pairSheet(run.stock.animals(), run.stock.pairs()[size_t(number - 1)]));
    return run.writePages(FixedPages({report.page()}));
}

// Cards of breeding pairs (--pair N...) or of single birds (RING...).
int cageCards(ExportRun& run)
{
    const Preferences preferences = Preferences::load(Preferences::defaultFile());
    std::vector<CageCard> cards;
    for (const QString& word : run.request.words) {
        if (run.request.pair) {
            const int number = word.toInt();
            if (number < 1 || number > int(run.stock.pairs().size())) {
                run.err << QCoreApplication::translate("ExportTool", "Ein Zuchtpaar %1 gibt es nicht; es gibt %2.")
                               .arg(word)
                               .arg(run.stock.pairs().size())
                        << '\n';
                return NotFound;
            }
            cards.push_back(pairCageCard(run.stock, run.stock.pairs()[size_t(number - 1)], preferences.calendar));
        } else if (std::optional<CageCard> card = birdCageCard(run.stock, word)) {
            cards.push_back(std::move(*card));
        } else {
            run.err << QCoreApplication::translate("ExportTool", "Die Ringnummer „%1“ ist nicht im Bestand.").arg(word)
                    << '\n';
            return NotFound;
        }
    }
    const CageCardSize size = cageCardSizeOf(run.request.option("--size")).value_or(CageCardSize::A7);
    const TextLanguage::Scope language(printoutLanguage(preferences));
    return run.writePages(FixedPages(cageCardPages(cards, size)));
}

QString checkCageCards(const ExportRequest& r)
{
    if (r.has("--size") && !cageCardSizeOf(r.option("--size")))
        return QCoreApplication::translate("ExportTool", "--size nimmt a6, a7 oder card.");
    if (r.words.isEmpty())
        return r.pair ? QCoreApplication::translate("ExportTool", "Nach --pair fehlen die Nummern der Zuchtpaare.")
                      : QCoreApplication::translate("ExportTool", "Es fehlt die Ringnummer.");
    if (r.pair) {
        for (const QString& word : r.words) {
            bool number = false;
            if (word.toInt(&number) < 1 || !number)
                return QCoreApplication::translate("ExportTool",
                                                   "cagecards --pair nimmt die Nummern von Zuchtpaaren, gezählt ab 1.");
        }
    }
    return {};
}

} // namespace

QList<ExportCommand> reportCommands()
{
    return {
        ExportCommand {.name = "pedigree",
                       .outputTypes = QStringList {"pdf", "png", "json"},
                       .check = oneRingOrMore,
                       .run =
                           [](ExportRun& run) {
                               if (run.request.suffix() == QLatin1String("json"))
                                   return pedigreeToFile(run);
                               return certificates(run, true);
                           },
                       // The file carries the factors and the best show results.
                       .needsRecords = [](const ExportRequest& r) { return r.suffix() == QLatin1String("json"); },
                       .needsAncestriesOnly =
                           [](const ExportRequest& r) {
                               return r.suffix() != QLatin1String("json");
                           }},
        ExportCommand {.name = "recordsheet",
                       .outputTypes = QStringList {"pdf", "png"},
                       .check =
                           [](const ExportRequest& r) {
                               return r.words.size() == 1
                                   ? QString()
                                   : QCoreApplication::translate(
                                       "ExportTool", "Ein Stammblatt wird für genau eine Ringnummer geschrieben.");
                           },
                       .run = [](ExportRun& run) { return certificates(run, false); },
                       // The sheet shows the bird's best show result.
                       .needsRecords = [](const ExportRequest&) { return true; },
                       .needsAncestriesOnly =
                           [](const ExportRequest&) {
                               return true;
                           }},
        ExportCommand {.name = "stocklist",
                       .outputTypes = QStringList {"pdf", "png", "html"},
                       .check =
                           [](const ExportRequest& r) {
                               if (!QStringList {"", "ring", "year"}.contains(r.option("--by"))
                                   || !QStringList {"", "one", "two"}.contains(r.option("--layout")))
                                   return QCoreApplication::translate(
                                       "ExportTool", "--by nimmt ring oder year, --layout one oder two.");
                               return r.words.isEmpty() ? QString()
                                                        : QCoreApplication::translate(
                                                            "ExportTool", "stocklist nimmt keine weiteren Angaben.");
                           },
                       .run = stockList,
                       .options = {"--by", "--breed", "--layout"}},
        ExportCommand {.name = "pairsheet",
                       .outputTypes = QStringList {"pdf", "png"},
                       .check =
                           [](const ExportRequest& r) {
                               bool number = false;
                               const int n = r.words.value(0).toInt(&number);
                               return r.words.size() == 1 && number && n >= 1
                                   ? QString()
                                   : QCoreApplication::translate(
                                       "ExportTool", "pairsheet nimmt die Nummer eines Zuchtpaares, gezählt ab 1.");
                           },
                       .run = printPairSheet},
        ExportCommand {.name = "cagecards",
                       .outputTypes = QStringList {"pdf", "png"},
                       .check = checkCageCards,
                       .run = cageCards,
                       .options = {"--pair", "--size"}},
    };
}
