#include "ui/preview/PrinterService.h"

#include "core/model/Dates.h"
#include "reports/engine/ReportRenderer.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

class SystemPrinter final : public PrinterService
{
public:
    Outcome print(const ReportPages& pages, const QString& documentName, const PageProgress& progress) override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return {false, true, false, {}};
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(documentName);
        printer.setFullPage(true);
        const ReportPage first = pages.page(0);
        printer.setPageLayout(QPageLayout(QPageSize(first.size, QPageSize::Millimeter), QPageLayout::Portrait,
                                          QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        QPainter painter;
        if (!printer.isValid() || !painter.begin(&printer))
            return {false, false, false,
                    QCoreApplication::translate("SystemPrinter", "Der Drucker „%1“ kann nicht benutzt werden.")
                        .arg(info.printerName())};
        const QString today = Dates::today();
        for (int i = 0; i < pages.count(); ++i) {
            if (progress && !progress(i, pages.count())) {
                printer.abort();
                return {false, false, true, {}};
            }
            if (i > 0 && !printer.newPage())
                return {false, false, false,
                        QCoreApplication::translate("SystemPrinter",
                                                    "Der Drucker hat die nächste Seite nicht angenommen.")};
            ReportRenderer::render(painter, i == 0 ? first : pages.page(i), today);
        }
        if (!painter.end() || printer.printerState() == QPrinter::Error)
            return {false, false, false,
                    QCoreApplication::translate("SystemPrinter", "Der Druckauftrag ist fehlgeschlagen.")};
        return {true, false, false, {}};
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
