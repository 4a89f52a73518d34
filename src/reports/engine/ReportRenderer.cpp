#include "reports/engine/ReportRenderer.h"

#include "reports/engine/PrintFonts.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

namespace {

// The one conversion from millimetres to device pixels.
struct DeviceScale
{
    double x;
    double y;

    explicit DeviceScale(const QPaintDevice* device) : x(device->logicalDpiX() / 25.4), y(device->logicalDpiY() / 25.4)
    { }

    QRectF toPixels(const QRectF& mm) const { return {mm.x() * x, mm.y() * y, mm.width() * x, mm.height() * y}; }
    QPointF toPixels(const QPointF& mm) const { return {mm.x() * x, mm.y() * y}; }
    double width(double mm) const { return mm * (x + y) / 2; }
};

QFont fontOf(const TextStyle& style)
{
    useBundledPrintFonts();
    QFont font(style.family);
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    font.setUnderline(style.underline);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

int flagsOf(const TextStyle& style)
{
    return int(style.alignment | Qt::AlignTop) | (style.wordWrap ? Qt::TextWordWrap : 0);
}

void drawText(QPainter& painter, const TextElement& text, const DeviceScale& scale, const QString& printDate,
              const ReportPage& page)
{
    const QString shown = ReportRenderer::displayedText(text, page, printDate);
    if (shown.isEmpty())
        return;
    const QRectF mm = ReportRenderer::textRect(text, page, painter.device(), printDate);
    const QRectF px = scale.toPixels(mm);
    painter.save();
    painter.setFont(ReportRenderer::shownFont(text, page, painter.device(), printDate));
    painter.setPen(Qt::black);
    painter.setClipRect(px.adjusted(-1, -1, 1, 1), Qt::IntersectClip);
    painter.drawText(px, flagsOf(text.style), shown);
    painter.restore();
}

void drawRect(QPainter& painter, const RectElement& rect, const DeviceScale& scale)
{
    QRectF px = scale.toPixels(rect.rect);
    const double pen = scale.width(rect.outlineWidth);
    painter.save();
    if (rect.fill)
        painter.fillRect(px, *rect.fill);
    if (pen > 0) {
        // The outline lies inside the rectangle, so neighbouring boxes keep their own colour.
        QPen outline(rect.outline, pen);
        outline.setJoinStyle(Qt::MiterJoin);
        painter.setPen(outline);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(px.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));
    }
    painter.restore();
}

// One path of the dark runs of each row: no seams between neighbouring
// modules, and a PDF keeps it as vectors.
void drawCode(QPainter& painter, const CodeElement& code, const DeviceScale& scale)
{
    if (code.modules <= 0 || code.dark.size() != size_t(code.modules) * size_t(code.modules))
        return;
    const double module = code.rect.width() / code.modules;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (int y = 0; y < code.modules; ++y) {
        for (int x = 0; x < code.modules;) {
            if (!code.dark[size_t(y) * size_t(code.modules) + size_t(x)]) {
                ++x;
                continue;
            }
            int end = x;
            while (end < code.modules && code.dark[size_t(y) * size_t(code.modules) + size_t(end)])
                ++end;
            path.addRect(scale.toPixels(
                QRectF(code.rect.x() + x * module, code.rect.y() + y * module, (end - x) * module, module)));
            x = end;
        }
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(path, Qt::black);
    painter.restore();
}

} // namespace

namespace ReportRenderer {

QString displayedText(const TextElement& text, const ReportPage& page, const QString& printDate)
{
    switch (text.kind) {
    case TextElement::Kind::PrintDate:
        return printDate;
    case TextElement::Kind::PageNumber:
        return QCoreApplication::translate("ReportRenderer", "Seite %1 von %2").arg(page.number).arg(page.count);
    case TextElement::Kind::Fixed:
        break;
    }
    return text.text();
}

QFont shownFont(const TextElement& text, const ReportPage& page, const QPaintDevice* device, const QString& printDate)
{
    QFont font = fontOf(text.style);
    if (!text.style.shrinkToFit || !text.style.wordWrap)
        return font;
    const QString shown = displayedText(text, page, printDate);
    const DeviceScale scale(device);
    const QRectF px = scale.toPixels(textRect(text, page, device, printDate));
    const int flags = flagsOf(text.style);
    for (double factor = 1.0; factor > 0.69; factor -= 0.05) {
        font.setPointSizeF(text.style.pointSize * factor);
        if (QFontMetricsF(font, device).boundingRect(px, flags, shown).height() <= px.height())
            return font;
    }
    return font;
}

QRectF textRect(const TextElement& text, const ReportPage& page, const QPaintDevice* device, const QString& printDate)
{
    QRectF mm = text.rect;
    if (mm.width() > 0 && mm.height() > 0) {
        if (text.anchorRight)
            mm.moveRight(text.rect.x());
        return mm;
    }
    const QString shown = displayedText(text, page, printDate);
    const QFontMetricsF metrics(fontOf(text.style), device);
    const DeviceScale scale(device);
    double width = text.emptySize.width();
    double height = text.emptySize.height();
    if (!shown.isEmpty()) {
        const QRectF bounds
            = metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), int(text.style.alignment | Qt::AlignTop), shown);
        width = bounds.width() / scale.x + 0.5;
        height = bounds.height() / scale.y;
    }
    if (mm.width() <= 0)
        mm.setWidth(width);
    if (mm.height() <= 0)
        mm.setHeight(height);
    if (text.anchorRight)
        mm.moveRight(text.rect.x());
    return mm;
}

void render(QPainter& painter, const ReportPage& page, const QString& printDate)
{
    const DeviceScale scale(painter.device());
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    for (const ReportElement& element : page.elements) {
        if (const auto* text = std::get_if<TextElement>(&element); text && text->visible) {
            drawText(painter, *text, scale, printDate, page);
        } else if (const auto* rect = std::get_if<RectElement>(&element); rect && rect->visible) {
            drawRect(painter, *rect, scale);
        } else if (const auto* line = std::get_if<LineElement>(&element)) {
            painter.setPen(QPen(line->colour, scale.width(line->width)));
            painter.drawLine(scale.toPixels(line->from), scale.toPixels(line->to));
        } else if (const auto* picture = std::get_if<PictureElement>(&element);
                   picture && picture->visible && !picture->image.isNull()) {
            painter.drawImage(scale.toPixels(picture->rect), picture->image);
        } else if (const auto* code = std::get_if<CodeElement>(&element)) {
            drawCode(painter, *code, scale);
        }
    }
    painter.restore();
}

} // namespace ReportRenderer
