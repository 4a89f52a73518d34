#include "ui/mainwindow/CertificateCommands.h"

#include "core/export/PedigreeFile.h"
#include "core/language/TextLanguage.h"
#include "core/model/TextRules.h"
#include "core/stock/PreferencesStore.h"
#include "ui/common/FileSaving.h"
#include "ui/common/Messages.h"
#include "ui/common/Modal.h"
#include "ui/preview/ReportActions.h"
#include "ui/preview/ReportPreview.h"

CertificateCommands::CertificateCommands(const StockDocument& stock, const PreferencesStore& preferences,
                                         QWidget* window)
    : QObject(window)
    , m_stock(stock)
    , m_preferences(preferences)
    , m_window(window)
    , m_certificate(std::make_unique<PedigreeReport>())
    , m_recordSheet(std::make_unique<RecordSheetReport>())
{ }

bool CertificateCommands::fill(const std::optional<QString>& ring)
{
    if (!ring) {
        Messages::current().inform(m_window, tr("Bitte den Kanarienvogel auswählen."));
        return false;
    }
    const CertificateRequest request {m_preferences.certificate(), m_buyerLines ? m_buyerLines() : QStringList()};
    // For a buyer abroad the printout may speak another language than the windows.
    const TextLanguage::Scope language(request.preferences.printLanguage);
    m_certificate = std::make_unique<PedigreeReport>();
    m_recordSheet = std::make_unique<RecordSheetReport>();
    const PedigreeReport::FillResult filled = m_certificate->fill(m_stock, *ring, request, m_recordSheet.get());
    if (!filled.error.isEmpty()) {
        Messages::current().warn(m_window, filled.error);
        return false;
    }
    m_ring = *ring;
    return true;
}

void CertificateCommands::showPreview(const ReportPage& page, const QString& title, const QString& fileName)
{
    // Opened from a modal dialog, the preview belongs to it, so the dialog does not block it.
    auto* preview
        = new ReportPreview(std::make_shared<FixedPages>(std::vector {page}), title, fileName, frontWindow(m_window));
    preview->show();
    preview->raise();
}

void CertificateCommands::preview(const std::optional<QString>& ring)
{
    if (fill(ring)) {
        showPreview(m_certificate->page(), tr("den Abstammungsnachweis"),
                    tr("Abstammungsnachweis %1").arg(safeFileName(m_ring)));
    }
}

void CertificateCommands::print(const std::optional<QString>& ring)
{
    if (fill(ring)) {
        ReportActions::print(m_window, FixedPages({m_certificate->page()}), tr("den Abstammungsnachweis"),
                             tr("Abstammungsnachweis %1").arg(safeFileName(m_ring)));
    }
}

void CertificateCommands::previewRecordSheet(const std::optional<QString>& ring)
{
    if (fill(ring)) {
        showPreview(m_recordSheet->page(), tr("das Stammblatt"), tr("Stammblatt %1").arg(safeFileName(m_ring)));
    }
}

void CertificateCommands::savePedigreeFile(const std::optional<QString>& ring)
{
    if (!fill(ring))
        return;
    saveDataFile(
        m_window, tr("Stammbaum als Datei speichern"), tr("Stammbaum %1.json").arg(safeFileName(m_ring)),
        QStringLiteral("json"), [this] { return pedigreeFile(m_stock, m_ring); },
        tr("Die Stammbaumdatei %1 wurde erstellt. Der Käufer liest sie mit „Bestand importieren…“ ein."));
}
