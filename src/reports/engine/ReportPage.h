#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

// A page layout as data, in millimetres from the sheet's top-left corner.
// Reports fill these; one renderer draws them onto any paint device.

struct TextStyle
{
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool underline = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool wordWrap = false;
    // A wrapped text too long for its box is set smaller, down to 70 %,
    // rather than cut off: a longer colour or a longer word of a translation.
    bool shrinkToFit = false;
};

// Text of several lines. A width or height of 0 means "as large as the text";
// with anchorRight, x is the right edge. A fixed height clips what does not fit.
struct TextElement
{
    enum class Kind
    {
        Fixed,
        PrintDate, // the date of printing, German short form
        PageNumber,
    };
    QString name;
    QRectF rect;
    bool anchorRight = false;
    TextStyle style;
    QStringList lines;
    Kind kind = Kind::Fixed;
    QSizeF emptySize; // the size of an automatic field without text
    bool visible = true;

    QString text() const { return lines.join(QLatin1Char('\n')); }

    // A field as large as its text, its top-left corner at `at`.
    static TextElement autoSized(const QString& name, QPointF at, double pointSize, const QString& content = {});
    // A field of fixed size; what does not fit is cut off.
    static TextElement fixed(const QString& name, const QRectF& rect, double pointSize);
    // The date of printing, right-aligned with its right edge at rightTop.x().
    static TextElement printDate(const QString& name, QPointF rightTop, double pointSize);
};

struct RectElement
{
    QString name;
    QRectF rect;
    QColor outline = Qt::black;
    double outlineWidth = 0.25; // millimetres
    std::optional<QColor> fill;
    bool visible = true;
};

struct LineElement
{
    QPointF from;
    QPointF to;
    QColor colour = Qt::black;
    double width = 0.25;
};

// A picture stretched into its frame.
struct PictureElement
{
    QString name;
    QRectF rect;
    QImage image;
    bool visible = true;
};

// A QR code of `modules` per side filling its square frame, each dark module
// a filled square: sharp on paper at any resolution, where a small bitmap
// scaled up would blur. The blank quiet zone around it is the layout's.
struct CodeElement
{
    QString name;
    QRectF rect;
    int modules = 0;
    std::vector<bool> dark; // row by row from the top-left corner
};

using ReportElement = std::variant<TextElement, RectElement, LineElement, PictureElement, CodeElement>;

struct ReportPage
{
    QSizeF size {210.0, 297.0};
    std::vector<ReportElement> elements; // drawn in order
    int number = 1;
    int count = 1;

    TextElement* text(const QString& name);
    const TextElement* text(const QString& name) const;
    RectElement* rect(const QString& name);
    const RectElement* rect(const QString& name) const;
    PictureElement* picture(const QString& name);
    const PictureElement* picture(const QString& name) const;
    const CodeElement* code(const QString& name) const;
};

// Layout pixels (96 per inch), the unit some sizes of the certificate come in.
inline double layoutPixelsToMm(double pixels)
{
    return pixels * 25.4 / 96.0;
}

// Colours as stored: 0x00BBGGRR.
inline QColor storedColour(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

inline quint32 colourToStored(const QColor& colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}
