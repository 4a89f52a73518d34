#include "ui/stocklist/StockListCommands.h"

#include "core/export/CsvExport.h"
#include "core/files/SafeWrite.h"
#include "core/files/SpecialFolder.h"
#include "core/language/TextLanguage.h"
#include "core/stock/PreferencesStore.h"
#include "core/stock/StockDocument.h"
#include "reports/layouts/StockListReport.h"
#include "ui/common/FileSaving.h"
#include "ui/common/Modal.h"
#include "ui/common/Prompts.h"
#include "ui/preview/ReportActions.h"
#include "ui/preview/ReportPreview.h"

#include <QDir>
#include <QGuiApplication>

StockListCommands::StockListCommands(StockDocument& stock, const PreferencesStore& preferences, QWidget* window)
    : QObject(window), m_stock(stock), m_preferences(preferences), m_window(window)
{ }

bool StockListCommands::make(StockListOrder order, StockListOutput output, StockListDestination destination,
                             const std::optional<QString>& breed)
{
    if (output == StockListOutput::HtmlFile)
        return htmlFile(order);
    if (output == StockListOutput::CsvFile)
        return csvFile(order);
    printedList(order, destination, breed);
    return true;
}

void StockListCommands::printedList(StockListOrder order, StockListDestination destination,
                                    const std::optional<QString>& breed)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const StockListRequest request {order, m_stock.printSettings().stockListLayout, breed};
    markListed(m_stock, request);
    const auto pages = translatedPages(request);
    QGuiApplication::restoreOverrideCursor();
    const QString title = stockListTitle(breed);
    const QString what = tr("die Bestandsliste");
    if (destination == StockListDestination::Printer) {
        ReportActions::print(m_window, *pages, what, title);
        return;
    }
    auto* preview = new ReportPreview(pages, what, title, frontWindow(m_window));
    preview->show();
    preview->raise();
}

std::shared_ptr<ReportPages> StockListCommands::translatedPages(const StockListRequest& request) const
{
    // The list may go to a buyer or a club abroad: it speaks the printouts' language.
    const QString language = m_preferences.certificate().printLanguage;
    const TextLanguage::Scope scope(language);
    return std::make_shared<TranslatedPages>(stockListPages(m_stock, request), language);
}

bool StockListCommands::htmlFile(StockListOrder order)
{
    const QString proposed = specialFolder(SpecialFolder::Documents) + QLatin1Char('/')
        + tr("Kanarienvögelbestandsliste") + QStringLiteral(".html");
    const QString path = Prompts::current().saveFileName(m_window, tr("Geben Sie Ihrer Bestandsliste einen Namen"),
                                                         proposed, QStringLiteral("*.html"), QStringLiteral("html"));
    if (path.isEmpty())
        return false;
    markListed(m_stock, {order, {}, std::nullopt});
    const WriteOutcome written = writeFileSafely(path, [this, order](QIODevice& device) {
        const TextLanguage::Scope language(m_preferences.certificate().printLanguage);
        return writeStockListHtml(m_stock, device, order);
    });
    return reportWritten(m_window, path, written,
                         tr("Die Datei %1 wurde erfolgreich erstellt und enthält nun alle Kanarienvögel der aktuellen "
                            "Kanarienvögelbestandsliste.")
                             .arg(QDir::toNativeSeparators(path)));
}

bool StockListCommands::csvFile(StockListOrder order)
{
    return saveCsvFile(
        m_window, tr("Bestand als CSV-Datei speichern"), tr("Bestand.csv"),
        [this, order] { return stockCsv(m_stock, order); },
        tr("Die Datei %1 wurde erstellt und enthält alle Kanarienvögel des Bestands."));
}
