#pragma once

#include "reports/engine/ReportPage.h"

#include <QFont>
#include <QString>

class QPainter;
class QPaintDevice;

// Draws report pages onto any paint device: screen image, printer, PDF, PNG.
// Millimetres become device pixels in one place (resolution / 25.4); fonts are
// given in points on an unscaled painter, so every device shows the same page.
namespace ReportRenderer {

// The painter must be active on a device; the page fills it from its top-left corner.
void render(QPainter& painter, const ReportPage& page, const QString& printDate);

// What a text field shows: its lines, the date of printing or the page number.
QString displayedText(const TextElement& text, const ReportPage& page, const QString& printDate);

// A text field's rectangle on the page in millimetres, with automatic sizes
// resolved for the given device.
QRectF textRect(const TextElement& text, const ReportPage& page, const QPaintDevice* device, const QString& printDate);

// The font a text field is drawn in on the device: its style's, made
// smaller where the field shrinks a text to fit.
QFont shownFont(const TextElement& text, const ReportPage& page, const QPaintDevice* device, const QString& printDate);

} // namespace ReportRenderer
