#include "reports/engine/ReportOutput.h"

#include "core/files/SafeWrite.h"
#include "reports/engine/PdfDocumentWriter.h"
#include "reports/engine/PdfJoin.h"
#include "reports/engine/PrintFonts.h"
#include "reports/engine/ReportRenderer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <future>
#include <system_error>

namespace {

// Qt's PDF engine spends half its time compressing each page and the other
// half laying out and writing its text, all on one thread: a long report is
// written in runs of pages on several threads and the files joined.
constexpr int kPagesPerPartAtLeast = 32;
constexpr int kPartsAtMost = 8;

struct PageRun
{
    int first;
    int end;
};

// Writes one run of pages as a PDF of its own, every sheet of the given size;
// beforePage(i) returning false stops it.
bool writePageRun(QIODevice& device, const ReportPages& pages, PageRun run, QSizeF sheet, const QString& printDate,
                  const std::function<bool(int page)>& beforePage)
{
    QPdfWriter pdf(&device);
    pdf.setCreator(QStringLiteral("Avelor Abstammungsnachweis"));
    pdf.setResolution(1200);
    pdf.setPageLayout(QPageLayout(QPageSize(sheet, QPageSize::Millimeter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                  QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    bool stopped = false;
    for (int i = run.first; i < run.end; ++i) {
        if (!beforePage(i)) {
            stopped = true;
            break;
        }
        if (i > run.first)
            pdf.newPage();
        ReportRenderer::render(painter, pages.page(i), printDate);
    }
    return painter.end() && !stopped;
}

// The pages written in `parts` runs at once and joined; nothing when cancelled
// or when the runs would not join.
std::optional<QByteArray> pdfInParts(const ReportPages& pages, QSizeF sheet, const QString& printDate,
                                     const PageProgress& progress, int parts, bool& cancelled)
{
    const int count = pages.count();
    if (progress && !progress(0, count)) {
        cancelled = true;
        return std::nullopt;
    }
    std::vector<QByteArray> written(static_cast<size_t>(parts));
    std::atomic<int> done = 0;
    std::atomic<bool> stop = false;
    std::vector<std::future<bool>> work;
    try {
        for (int p = 0; p < parts; ++p) {
            const PageRun run {int(qint64(count) * p / parts), int(qint64(count) * (p + 1) / parts)};
            work.push_back(std::async(std::launch::async, [&, run, p] {
                QBuffer buffer(&written[size_t(p)]);
                buffer.open(QIODevice::WriteOnly);
                return writePageRun(buffer, pages, run, sheet, printDate, [&](int) {
                    if (stop)
                        return false;
                    ++done;
                    return true;
                });
            }));
        }
    } catch (const std::system_error&) {
        // No thread to be had: the pages are written in one piece instead.
        stop = true;
        for (std::future<bool>& part : work)
            part.wait();
        return std::nullopt;
    }
    // The calling thread reports the progress and takes the breeder's "Abbrechen".
    bool allWritten = true;
    for (std::future<bool>& part : work) {
        while (part.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
            if (progress && !stop && !progress(std::min(int(done), count - 1), count))
                stop = true;
        allWritten = part.get() && allWritten;
    }
    cancelled = stop;
    if (cancelled || !allWritten)
        return std::nullopt;
    return joinPdfParts(written);
}

} // namespace

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

Outcome writePdf(const ReportPages& pages, const QString& path, const QString& printDate, const PageProgress& progress,
                 int threads)
{
    if (pages.count() == 0)
        return {false, QCoreApplication::translate("ReportOutput", "Es gibt keine Seite zum Speichern.")};
#ifdef Q_OS_WIN
    // Qt's font engines there crash when text is laid out off the main
    // thread (seen under Wine with Qt 6.4): Qt's writer, on the calling one.
    return writePdfWithQt(pages, path, printDate, progress, 1);
#endif
    useBundledPrintFonts(); // once, before the threads that draw pages share the fonts
    if (threads <= 0)
        threads = std::clamp(QThread::idealThreadCount(), 1, kPartsAtMost);
    auto own = PdfDocumentWriter::Result::Unsupported;
    const WriteOutcome outcome = writeFileSafely(path, [&](QIODevice& device) {
        own = PdfDocumentWriter::write(device, pages, printDate, progress, threads);
        return own == PdfDocumentWriter::Result::Written;
    });
    switch (own) {
    case PdfDocumentWriter::Result::Written:
    case PdfDocumentWriter::Result::Failed:
        return outcome.ok ? Outcome {} : Outcome {false, outcome.reason};
    case PdfDocumentWriter::Result::Cancelled:
        return {true, {}};
    case PdfDocumentWriter::Result::Unsupported:
        break;
    }
    // Pictures and the like: Qt's writer, in parts when the pages are many.
    return writePdfWithQt(pages, path, printDate, progress, 0);
}

Outcome writePdfWithQt(const ReportPages& pages, const QString& path, const QString& printDate,
                       const PageProgress& progress, int parts)
{
    if (pages.count() == 0)
        return {false, QCoreApplication::translate("ReportOutput", "Es gibt keine Seite zum Speichern.")};
    useBundledPrintFonts(); // once, before the threads that write parts share the fonts
    if (parts <= 0)
        parts = std::min(QThread::idealThreadCount(), pages.count() / kPagesPerPartAtLeast);
#ifdef Q_OS_WIN
    // Qt's font engines there crash when PDFs are written on several threads
    // at once (seen under Wine with Qt 6.4): one piece, as before.
    parts = 1;
#endif
    parts = std::clamp(parts, 1, std::min(pages.count(), kPartsAtMost));
    // Every sheet has the first page's size.
    const QSizeF sheet = pages.page(0).size;
    std::optional<QByteArray> joined;
    bool cancelled = false;
    if (parts > 1) {
        joined = pdfInParts(pages, sheet, printDate, progress, parts, cancelled);
        if (cancelled)
            return {true, {}};
    }
    const WriteOutcome outcome = writeFileSafely(path, [&](QIODevice& device) {
        if (joined)
            return device.write(*joined) == joined->size();
        // One piece: too few pages to share out, or parts that would not join.
        std::atomic<bool> stop = false;
        const bool written = writePageRun(device, pages, {0, pages.count()}, sheet, printDate, [&](int page) {
            if (progress && !progress(page, pages.count()))
                stop = true;
            return !stop;
        });
        cancelled = stop;
        return written && !cancelled;
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
