#include "reports/engine/PdfQtFont.h"

#include <QBuffer>
#include <QGlyphRun>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>

namespace {

// The whole number after `key` from `from` on; -1 if there is none.
qint64 numberAfter(const QByteArray& text, const QByteArray& key, qsizetype from, qsizetype* end = nullptr)
{
    const qsizetype at = text.indexOf(key, from);
    if (at < 0)
        return -1;
    qsizetype p = at + key.size();
    qint64 value = 0;
    const qsizetype start = p;
    while (p < text.size() && text[p] >= '0' && text[p] <= '9' && p - start < 12)
        value = value * 10 + (text[p++] - '0');
    if (p == start)
        return -1;
    if (end)
        *end = p;
    return value;
}

qsizetype objectAt(const QByteArray& pdf, qint64 number)
{
    const QByteArray head = '\n' + QByteArray::number(number) + " 0 obj\n";
    const qsizetype at = pdf.indexOf(head);
    return at < 0 ? -1 : at + head.size();
}

} // namespace

std::optional<PdfQtFont> qtEmbeddedFont(const QFont& font, const std::vector<unsigned>& glyphs)
{
    // From the font, not its file: a face loaded from a file's bytes has no
    // file to Qt, and Qt would draw its glyphs as outlines instead.
    const QRawFont face = QRawFont::fromFont(font);
    if (!face.isValid() || glyphs.empty())
        return std::nullopt;
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        QPainter painter;
        if (!painter.begin(&writer))
            return std::nullopt;
        QGlyphRun run;
        run.setRawFont(face);
        QList<quint32> indexes;
        QList<QPointF> positions;
        for (unsigned glyph : glyphs) {
            indexes.append(glyph);
            positions.append(QPointF(100, 100));
        }
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(0, 0), run);
        if (!painter.end())
            return std::nullopt;
    }
    // The one font file: its dictionary holds Length1 and the object of its length.
    const qint64 fileObject = numberAfter(pdf, "/FontFile2 ", 0);
    if (fileObject < 0 || pdf.indexOf("/FontFile2 ", pdf.indexOf("/FontFile2 ") + 1) >= 0)
        return std::nullopt;
    const qsizetype dictionary = objectAt(pdf, fileObject);
    if (dictionary < 0)
        return std::nullopt;
    PdfQtFont embedded;
    embedded.length = numberAfter(pdf, "/Length1 ", dictionary);
    const qint64 lengthObject = numberAfter(pdf, "/Length ", dictionary);
    const qsizetype data = pdf.indexOf(">>\nstream\n", dictionary);
    if (embedded.length <= 0 || lengthObject < 0 || data < 0)
        return std::nullopt;
    const qsizetype start = data + 10;
    const qsizetype lengthAt = objectAt(pdf, lengthObject);
    const qint64 length = lengthAt < 0 ? -1 : numberAfter(pdf, "", lengthAt);
    if (length <= 0 || start + length > pdf.size() || pdf.mid(start + length, 11) != "\nendstream\n")
        return std::nullopt;
    embedded.fontFile = pdf.mid(start, length);
    return embedded;
}
