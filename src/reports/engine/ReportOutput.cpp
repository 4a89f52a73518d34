#include "reports/engine/ReportOutput.h"

#include "core/files/SafeWrite.h"
#include "reports/engine/ReportRenderer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace ReportOutput {

QImage toImage(const ReportPage& page, double dpi, const QString& printDate)
{
    const QSize pixels(int(std::lround(page.size.width() * dpi / 25.4)),
                       int(std::lround(page.size.height() * dpi / 25.4)));
    QImage image(pixels, QImage::Format_RGB32);
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    ReportRenderer::render(painter, page, printDate);
    return image;
}

Outcome writePdf(const ReportPages& pages, const QString& path, const QString& printDate, const PageProgress& progress)
{
    if (pages.count() == 0)
        return {false, QCoreApplication::translate("ReportOutput", "Es gibt keine Seite zum Speichern.")};
    bool cancelled = false;
    const WriteOutcome outcome = writeFileSafely(path, [&](QIODevice& device) {
        QPdfWriter pdf(&device);
        pdf.setCreator(QStringLiteral("Avelor Abstammungsnachweis"));
        pdf.setResolution(1200);
        const ReportPage first = pages.page(0);
        pdf.setPageLayout(QPageLayout(QPageSize(first.size, QPageSize::Millimeter), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        for (int i = 0; i < pages.count(); ++i) {
            if (progress && !progress(i, pages.count())) {
                cancelled = true;
                break;
            }
            if (i > 0)
                pdf.newPage();
            ReportRenderer::render(painter, i == 0 ? first : pages.page(i), printDate);
        }
        return painter.end() && !cancelled;
    });
    if (cancelled)
        return {true, {}};
    if (!outcome.ok)
        return {false, outcome.reason};
    return {};
}

QString writePng(const ReportPage& page, const QString& path, double dpi, const QString& printDate)
{
    const QImage image = toImage(page, dpi, printDate);
    const WriteOutcome outcome
        = writeFileSafely(path, [&image](QIODevice& device) { return image.save(&device, "PNG"); });
    return outcome.ok ? QString() : outcome.reason;
}

} // namespace ReportOutput
