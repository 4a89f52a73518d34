#include "reports/engine/PdfDocumentWriter.h"

#include "reports/engine/PdfPageEngine.h"
#include "reports/engine/PdfQtFont.h"
#include "reports/engine/ReportRenderer.h"

#include <QDateTime>
#include <QFile>
#include <QPainter>

#include <algorithm>
#include <condition_variable>
#include <optional>
#include <system_error>
#include <thread>

namespace {

// Pages drawn ahead of the one being written, at most: bounds the memory a long list takes.
constexpr int kPagesAhead = 64;
// Fast compression: the content streams repeat themselves, a higher level
// costs several times the time for a file a third smaller.
constexpr int kCompression = 1;

// The fixed objects; page i has 7 + 2i (its dictionary) and 8 + 2i (its content).
enum Object
{
    Catalog = 1,
    PageTree,
    Resources,
    GraphicsState,
    PatternSpace,
    Info,
    FirstPage
};
// Each font: the Type0 font, its CID font, descriptor, font file, text map and glyph map.
constexpr int kObjectsPerFont = 6;

QByteArray deflated(const char* data, size_t size)
{
    // qCompress puts the length first, the zlib stream follows.
    return qCompress(reinterpret_cast<const uchar*>(data), qsizetype(size), kCompression).mid(4);
}

QByteArray deflated(const QByteArray& data)
{
    return deflated(data.constData(), size_t(data.size()));
}

QByteArray pdfText(const QString& text)
{
    QByteArray out = "(\xFE\xFF";
    for (QChar c : text) {
        const char bytes[2] = {char(c.unicode() >> 8), char(c.unicode() & 0xFF)};
        for (char b : bytes) {
            if (b == '(' || b == ')' || b == '\\')
                out.append('\\');
            out.append(b);
        }
    }
    out.append(')');
    return out;
}

// Counts what went out, for the cross-reference table.
class ObjectWriter
{
public:
    explicit ObjectWriter(QIODevice& device) : m_device(device) { }

    bool write(const QByteArray& bytes)
    {
        m_ok = m_ok && m_device.write(bytes) == bytes.size();
        m_at += bytes.size();
        return m_ok;
    }

    void object(int number, const QByteArray& body)
    {
        begin(number);
        write(body);
        write("endobj\n");
    }

    void stream(int number, const QByteArray& dictionary, const QByteArray& data)
    {
        begin(number);
        write("<<\n" + dictionary + "/Length " + QByteArray::number(data.size()) + "\n>>\nstream\n");
        write(data);
        write("\nendstream\nendobj\n");
    }

    bool finish(int objectCount)
    {
        const qint64 table = m_at;
        QByteArray xref = "xref\n0 " + QByteArray::number(objectCount) + "\n0000000000 65535 f \n";
        for (int i = 1; i < objectCount; ++i)
            xref += QByteArray::number(m_offsets[size_t(i)]).rightJustified(10, '0') + " 00000 n \n";
        xref += "trailer\n<<\n/Size " + QByteArray::number(objectCount) + "\n/Info " + QByteArray::number(Info)
            + " 0 R\n/Root " + QByteArray::number(Catalog) + " 0 R\n>>\nstartxref\n" + QByteArray::number(table)
            + "\n%%EOF\n";
        write(xref);
        return m_ok && size_t(objectCount) <= m_offsets.size();
    }

    bool ok() const { return m_ok; }

private:
    void begin(int number)
    {
        if (m_offsets.size() <= size_t(number))
            m_offsets.resize(size_t(number) + 1, 0);
        m_offsets[size_t(number)] = m_at;
        write(QByteArray::number(number) + " 0 obj\n");
    }

    QIODevice& m_device;
    qint64 m_at = 0;
    bool m_ok = true;
    std::vector<qint64> m_offsets;
};

// The pages handed from the drawing threads to the writing one, in order.
struct PageQueue
{
    std::mutex mutex;
    std::condition_variable drawn;
    std::condition_variable room;
    std::vector<std::optional<QByteArray>> finished = std::vector<std::optional<QByteArray>>(kPagesAhead);
    int next = 0; // the next page to draw
    int written = 0; // pages written out
    bool stop = false;
    bool unsupported = false;
};

void drawPages(PageQueue& queue, const ReportPages& pages, QSizeF sheet, const QString& printDate,
               PdfFontRegistry& fonts, PdfGlyphUse& used)
{
    PdfPageDevice device(sheet, fonts);
    QPainter painter(&device);
    const int count = pages.count();
    for (;;) {
        int index = 0;
        {
            std::unique_lock lock(queue.mutex);
            queue.room.wait(
                lock, [&] { return queue.stop || queue.next >= count || queue.next < queue.written + kPagesAhead; });
            if (queue.stop || queue.next >= count)
                break;
            index = queue.next++;
        }
        ReportRenderer::render(painter, pages.page(index), printDate);
        const bool supported = device.supported();
        const std::string drawn = device.take();
        QByteArray content = supported ? deflated(drawn.data(), drawn.size()) : QByteArray();
        std::lock_guard lock(queue.mutex);
        if (!supported) {
            queue.unsupported = true;
            queue.stop = true;
        }
        queue.finished[size_t(index % kPagesAhead)] = std::move(content);
        queue.drawn.notify_all();
        queue.room.notify_all();
    }
    painter.end();
    used = device.glyphsUsed();
}

QByteArray toUnicodeMap(const std::map<unsigned, PdfGlyph>& glyphs)
{
    QByteArray map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                     "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                     "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    std::vector<std::pair<unsigned, QString>> entries;
    for (const auto& [glyph, shown] : glyphs)
        if (!shown.text.isEmpty())
            entries.emplace_back(glyph, shown.text);
    for (size_t start = 0; start < entries.size(); start += 100) {
        const size_t end = std::min(entries.size(), start + 100);
        map += QByteArray::number(qulonglong(end - start)) + " beginbfchar\n";
        for (size_t i = start; i < end; ++i) {
            map += '<' + QByteArray::number(entries[i].first, 16).rightJustified(4, '0').toUpper() + "> <";
            for (QChar c : entries[i].second)
                map += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
            map += ">\n";
        }
        map += "endbfchar\n";
    }
    map += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return map;
}

// The face as Qt embeds it; the pages name glyphs by the face's own ids,
// mapped to Qt's numbering of them.
bool writeFont(ObjectWriter& out, int first, int number, const PdfFontRegistry::Face& face,
               const std::map<unsigned, PdfGlyph>& glyphs)
{
    std::vector<unsigned> drawn;
    for (const auto& entry : glyphs)
        if (entry.first != 0)
            drawn.push_back(entry.first);
    const std::optional<PdfQtFont> embedded = qtEmbeddedFont(face.font, drawn);
    if (!embedded)
        return false;
    QByteArray toFontGlyph(qsizetype(drawn.empty() ? 1 : drawn.back() + 1) * 2, '\0');
    for (size_t i = 0; i < drawn.size(); ++i) {
        toFontGlyph[qsizetype(drawn[i]) * 2] = char((i + 1) >> 8);
        toFontGlyph[qsizetype(drawn[i]) * 2 + 1] = char(i + 1);
    }
    const QByteArray name = face.postscriptName.isEmpty() ? QByteArray("Font") : face.postscriptName;
    QByteArray tag;
    for (int i = 0, n = number; i < 6; ++i, n /= 26)
        tag += char('A' + n % 26);
    auto num = [](double value) {
        std::string text;
        appendPdfNumber(text, value);
        return QByteArray::fromStdString(text);
    };
    auto ref = [](int object) {
        return QByteArray::number(object) + " 0 R";
    };
    out.object(first,
               "<< /Type /Font\n/Subtype /Type0\n/BaseFont /" + name + "\n/Encoding /Identity-H\n/DescendantFonts ["
                   + ref(first + 1) + "]\n/ToUnicode " + ref(first + 4) + ">>\n");
    QByteArray widths = "/W [";
    for (unsigned glyph : drawn)
        widths += QByteArray::number(glyph) + " [" + num(glyphs.at(glyph).width) + "] ";
    widths += "]\n";
    out.object(first + 1,
               "<< /Type /Font\n/Subtype /CIDFontType2\n/BaseFont /" + name
                   + "\n/CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>\n"
                     "/FontDescriptor "
                   + ref(first + 2) + "\n/CIDToGIDMap " + ref(first + 5) + "\n" + widths + ">>\n");
    out.object(first + 2,
               "<< /Type /FontDescriptor\n/FontName /" + tag + '+' + name + "\n/Flags 4\n/FontBBox [" + num(face.box[0])
                   + num(face.box[1]) + num(face.box[2]) + num(face.box[3]) + "]\n/ItalicAngle " + num(face.italicAngle)
                   + "\n/Ascent " + num(face.ascent) + "\n/Descent " + num(face.descent) + "\n/CapHeight "
                   + num(face.capHeight) + "\n/StemV " + num(face.stemV) + "\n/FontFile2 " + ref(first + 3) + "\n>>\n");
    out.stream(first + 3, "/Length1 " + QByteArray::number(embedded->length) + "\n/Filter /FlateDecode\n",
               embedded->fontFile);
    out.stream(first + 4, {}, toUnicodeMap(glyphs));
    out.stream(first + 5, "/Filter /FlateDecode\n", deflated(toFontGlyph));
    return out.ok();
}

} // namespace

namespace PdfDocumentWriter {

Result write(QIODevice& device, const ReportPages& pages, const QString& printDate, const PageProgress& progress,
             int threads)
{
    const int count = pages.count();
    if (count == 0)
        return Result::Failed;
    const QSizeF sheet = pages.page(0).size; // every sheet has the first page's size
    PdfFontRegistry fonts;
    PageQueue queue;
    std::vector<PdfGlyphUse> used(size_t(std::max(1, threads)));
    std::vector<std::jthread> drawing;
    try {
        for (size_t t = 0; t < used.size(); ++t)
            drawing.emplace_back([&, t] { drawPages(queue, pages, sheet, printDate, fonts, used[t]); });
    } catch (const std::system_error&) {
        if (drawing.empty())
            return Result::Unsupported; // no thread at all: Qt's writer on this one
    }
    auto stopDrawing = [&] {
        {
            std::lock_guard lock(queue.mutex);
            queue.stop = true;
        }
        queue.room.notify_all();
        drawing.clear();
    };

    ObjectWriter out(device);
    out.write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    const QSizeF points = PdfPageDevice(sheet, fonts).pointSize();
    const QByteArray mediaBox = "/MediaBox [0 0 " + QByteArray::number(points.width(), 'f') + ' '
        + QByteArray::number(points.height(), 'f') + "]\n";
    for (int index = 0; index < count; ++index) {
        QByteArray content;
        {
            std::unique_lock lock(queue.mutex);
            while (!queue.finished[size_t(index % kPagesAhead)] && !queue.stop)
                if (!queue.drawn.wait_for(lock, std::chrono::milliseconds(20), [&] {
                        return queue.finished[size_t(index % kPagesAhead)].has_value() || queue.stop;
                    })) {
                    lock.unlock();
                    const bool goOn = !progress || progress(index, count);
                    lock.lock();
                    if (!goOn) {
                        lock.unlock();
                        stopDrawing();
                        return Result::Cancelled;
                    }
                }
            if (queue.unsupported || !queue.finished[size_t(index % kPagesAhead)]) {
                lock.unlock();
                stopDrawing();
                return Result::Unsupported;
            }
            content = std::move(*queue.finished[size_t(index % kPagesAhead)]);
            queue.finished[size_t(index % kPagesAhead)].reset();
            queue.written = index + 1;
        }
        queue.room.notify_all();
        const int page = FirstPage + 2 * index;
        out.object(page,
                   "<<\n/Type /Page\n/Parent " + QByteArray::number(PageTree) + " 0 R\n/Contents "
                       + QByteArray::number(page + 1) + " 0 R\n/Resources " + QByteArray::number(Resources) + " 0 R\n"
                       + mediaBox + ">>\n");
        out.stream(page + 1, "/Filter /FlateDecode\n", content);
        if (!out.ok()) {
            stopDrawing();
            return Result::Failed;
        }
        if (progress && !progress(index, count)) {
            stopDrawing();
            return Result::Cancelled;
        }
    }
    drawing.clear(); // joins: every thread's glyphs are in

    const std::vector<PdfFontRegistry::Face> faces = fonts.faces();
    const int firstFont = FirstPage + 2 * count;
    QByteArray fontNames;
    for (size_t f = 0; f < faces.size(); ++f) {
        std::map<unsigned, PdfGlyph> glyphs;
        for (const PdfGlyphUse& one : used)
            if (auto it = one.find(int(f)); it != one.end())
                for (const auto& [glyph, shown] : it->second)
                    glyphs.try_emplace(glyph, shown);
        const int first = firstFont + int(f) * kObjectsPerFont;
        if (!writeFont(out, first, int(f), faces[f], glyphs))
            return out.ok() ? Result::Unsupported : Result::Failed;
        fontNames += "/F" + QByteArray::number(qulonglong(f)) + ' ' + QByteArray::number(first) + " 0 R\n";
    }
    out.object(Resources,
               "<<\n/ColorSpace <<\n/PCSp " + QByteArray::number(PatternSpace)
                   + " 0 R\n/CSp /DeviceRGB\n/CSpg /DeviceGray\n>>\n/ExtGState <<\n/GSa "
                   + QByteArray::number(GraphicsState) + " 0 R\n>>\n/Font <<\n" + fontNames + ">>\n>>\n");
    out.object(GraphicsState,
               "<<\n/Type /ExtGState\n/SA true\n/SM 0.02\n/ca 1.0\n/CA 1.0\n/AIS false\n/SMask /None>>\n");
    out.object(PatternSpace, "[/Pattern /DeviceRGB]\n");
    out.object(Info,
               "<<\n/Creator " + pdfText(QStringLiteral("Avelor Abstammungsnachweis")) + "\n/Producer "
                   + pdfText(QStringLiteral("Avelor")) + "\n/CreationDate (D:"
                   + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddhhmmss")).toLatin1()
                   + "Z)\n>>\n");
    QByteArray kids;
    for (int index = 0; index < count; ++index)
        kids += QByteArray::number(FirstPage + 2 * index) + " 0 R\n";
    out.object(PageTree, "<<\n/Type /Pages\n/Kids\n[\n" + kids + "]\n/Count " + QByteArray::number(count) + "\n>>\n");
    out.object(Catalog, "<<\n/Type /Catalog\n/Pages " + QByteArray::number(PageTree) + " 0 R\n>>\n");
    return out.finish(firstFont + int(faces.size()) * kObjectsPerFont) ? Result::Written : Result::Failed;
}

} // namespace PdfDocumentWriter
