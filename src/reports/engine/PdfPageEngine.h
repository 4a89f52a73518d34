#pragma once

#include <QByteArray>
#include <QFont>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QSizeF>
#include <QString>

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class QFontEngine;

// The fonts the pages of one PDF use, shared by the threads that draw them:
// each face gets its number once, in the order the threads first meet it.
class PdfFontRegistry
{
public:
    struct Face
    {
        QByteArray file; // the font file, which tells faces apart
        QFont font; // a font that shows the face
        QByteArray postscriptName;
        double scale = 1; // font units to thousandths of an em
        double box[4] {};
        double italicAngle = 0;
        double ascent = 0;
        double descent = 0;
        double capHeight = 0;
        double stemV = 0;
    };

    // -1 when the face cannot be embedded (no file, a collection, a
    // synthesized style): the PDF is then left to Qt's own writer.
    int numberOf(QFontEngine* engine, const QFont& font);
    std::vector<Face> faces() const;

private:
    mutable std::mutex m_mutex;
    std::vector<Face> m_faces;
};

// A glyph a page showed: the text it stands for and its advance in thousandths of an em.
struct PdfGlyph
{
    QString text;
    double width = 0;
};
// What one thread's pages used of each face, by glyph id.
using PdfGlyphUse = std::map<int, std::map<unsigned, PdfGlyph>>;

// A paint device whose engine writes a page's PDF content stream with the
// operators Qt's own PDF engine writes for the same painting, so a page
// looks the same either way, and records the glyphs it used. Text is placed
// glyph by glyph as Qt's layout left it. Anything the report engine does not
// draw (pictures, patterns, transforms, transparency) marks the page
// unsupported instead.
class PdfPageDevice final : public QPaintDevice
{
public:
    PdfPageDevice(QSizeF sheetMillimetres, PdfFontRegistry& fonts);
    ~PdfPageDevice() override;

    QPaintEngine* paintEngine() const override;
    // The content written since the last take(), with the page's opening and closing.
    std::string take();
    bool supported() const;
    const PdfGlyphUse& glyphsUsed() const;
    // The sheet in PDF points, as the page's media box gives it.
    QSizeF pointSize() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    std::unique_ptr<Engine> m_engine;
    QSizeF m_millimetres;
};

// Writes a number as Qt's PDF engine does: at most nine digits after the
// point, trailing zeros kept, whole numbers bare, a space after.
void appendPdfNumber(std::string& out, double value);
