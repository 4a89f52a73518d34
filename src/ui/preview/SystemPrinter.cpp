#include "reports/engine/PrinterService.h"

#include "core/model/Dates.h"
#include "reports/engine/ReportRenderer.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

class SystemPrinter final : public PrinterService
{
public:
    Outcome print(const std::vector<ReportPage>& pages, const QString& documentName) override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return {false, true, {}};
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(documentName);
        printer.setFullPage(true);
        if (!pages.empty()) {
            printer.setPageLayout(QPageLayout(QPageSize(pages.front().size, QPageSize::Millimeter),
                                              QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        }
        QPainter painter;
        if (!printer.isValid() || !painter.begin(&printer))
            return {false, false,
                    QStringLiteral("Der Drucker „%1“ kann nicht benutzt werden.").arg(info.printerName())};
        const QString today = Dates::today();
        for (size_t i = 0; i < pages.size(); ++i) {
            if (i > 0 && !printer.newPage())
                return {false, false, QStringLiteral("Der Drucker hat die nächste Seite nicht angenommen.")};
            ReportRenderer::render(painter, pages[i], today);
        }
        if (!painter.end() || printer.printerState() == QPrinter::Error)
            return {false, false, QStringLiteral("Der Druckauftrag ist fehlgeschlagen.")};
        return {true, false, {}};
    }
};

PrinterService* g_installed = nullptr;

} // namespace

PrinterService& PrinterService::current()
{
    static SystemPrinter system;
    return g_installed ? *g_installed : system;
}

void PrinterService::install(PrinterService* service)
{
    g_installed = service;
}
