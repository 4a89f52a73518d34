#include "reports/engine/PdfPageEngine.h"

#include <QPageLayout>
#include <QPaintEngineState>
#include <QtGui/private/qfontengine_p.h>
#include <QtGui/private/qtextengine_p.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kResolution = 1200; // dots per inch, as the report engine has always written PDFs

QPageLayout layoutOf(QSizeF millimetres)
{
    return QPageLayout(QPageSize(millimetres, QPageSize::Millimeter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

void append(std::string& out, int value)
{
    char digits[16];
    const int length = std::snprintf(digits, sizeof digits, "%d ", value);
    out.append(digits, size_t(length));
}

void append(std::string& out, QPointF point)
{
    appendPdfNumber(out, point.x());
    appendPdfNumber(out, point.y());
}

void appendHex(std::string& out, unsigned glyph)
{
    static const char digits[] = "0123456789ABCDEF";
    const char hex[4]
        = {digits[(glyph >> 12) & 15], digits[(glyph >> 8) & 15], digits[(glyph >> 4) & 15], digits[glyph & 15]};
    out.append(hex, 4);
}

enum class PathUse
{
    Clip,
    Fill,
    Stroke,
    FillAndStroke
};

void appendPath(std::string& out, const QPainterPath& path, PathUse use)
{
    if (path.elementCount() == 0)
        return;
    int start = -1;
    auto closes = [&](int last) {
        return start >= 0 && path.elementAt(start).x == path.elementAt(last).x
            && path.elementAt(start).y == path.elementAt(last).y;
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element& e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            if (closes(i - 1))
                out.append("h\n");
            append(out, QPointF(e.x, e.y));
            out.append("m\n");
            start = i;
            break;
        case QPainterPath::LineToElement:
            append(out, QPointF(e.x, e.y));
            out.append("l\n");
            break;
        case QPainterPath::CurveToElement:
            append(out, QPointF(e.x, e.y));
            append(out, QPointF(path.elementAt(i + 1).x, path.elementAt(i + 1).y));
            append(out, QPointF(path.elementAt(i + 2).x, path.elementAt(i + 2).y));
            out.append("c\n");
            i += 2;
            break;
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    if (closes(path.elementCount() - 1))
        out.append("h\n");
    const bool winding = path.fillRule() == Qt::WindingFill;
    switch (use) {
    case PathUse::Clip:
        out.append(winding ? "W n\n" : "W* n\n");
        break;
    case PathUse::Fill:
        out.append(winding ? "f\n" : "f*\n");
        break;
    case PathUse::Stroke:
        out.append("S\n");
        break;
    case PathUse::FillAndStroke:
        out.append(winding ? "B\n" : "B*\n");
        break;
    }
}

void appendColour(std::string& out, const QColor& colour)
{
    appendPdfNumber(out, colour.redF());
    appendPdfNumber(out, colour.greenF());
    appendPdfNumber(out, colour.blueF());
}

bool isPlainSolid(const QBrush& brush)
{
    return brush.style() == Qt::SolidPattern && brush.isOpaque();
}

} // namespace

void appendPdfNumber(std::string& out, double value)
{
    char buffer[32];
    char* at = buffer;
    if (std::isnan(value)) {
        out.append("0 ");
        return;
    }
    if (value < 0) {
        *at++ = '-';
        value = -value;
    }
    value = std::min(value, 4e9); // no page reaches that far; beyond it the cast would overflow
    auto whole = static_cast<unsigned int>(value);
    const double fraction = value - double(whole);
    int ninths = int(fraction * 1000000000);
    if (ninths == 1000000000) {
        ++whole;
        ninths = 0;
    }
    char digits[16];
    int count = 0;
    while (whole) {
        digits[count++] = char('0' + whole % 10);
        whole /= 10;
    }
    // Nine significant places in all: each digit before the point takes one after it.
    int place = 100000000;
    if (count == 0) {
        *at++ = '0';
    } else {
        while (count) {
            *at++ = digits[--count];
            place /= 10;
            ninths /= 10;
        }
    }
    if (ninths) {
        *at++ = '.';
        while (place) {
            *at++ = char('0' + (ninths / place) % 10);
            place /= 10;
        }
    }
    *at++ = ' ';
    out.append(buffer, size_t(at - buffer));
}

int PdfFontRegistry::numberOf(QFontEngine* engine, const QFont& font)
{
    const QFontEngine::FaceId face = engine->faceId();
    if (face.filename.isEmpty() || face.index != 0 || engine->synthesized() != 0 || (engine->fsType & 0x200)
        || engine->fsType == 2)
        return -1;
    std::lock_guard lock(m_mutex);
    for (size_t i = 0; i < m_faces.size(); ++i)
        if (m_faces[i].file == face.filename)
            return int(i);
    const QFontEngine::Properties properties = engine->properties();
    Face added;
    added.file = face.filename;
    added.font = font;
    added.postscriptName = properties.postscriptName;
    added.postscriptName.replace(' ', '_');
    added.scale = 1000 / properties.emSquare.toReal();
    const QRectF box = properties.boundingBox;
    added.box[0] = box.x() * added.scale;
    added.box[1] = -(box.y() + box.height()) * added.scale;
    added.box[2] = (box.x() + box.width()) * added.scale;
    added.box[3] = -box.y() * added.scale;
    added.italicAngle = properties.italicAngle.toReal();
    added.ascent = properties.ascent.toReal() * added.scale;
    added.descent = -properties.descent.toReal() * added.scale;
    added.capHeight = properties.capHeight.toReal() * added.scale;
    added.stemV = properties.lineWidth.toReal() * added.scale;
    m_faces.push_back(added);
    return int(m_faces.size() - 1);
}

std::vector<PdfFontRegistry::Face> PdfFontRegistry::faces() const
{
    std::lock_guard lock(m_mutex);
    return m_faces;
}

// The state handling follows Qt's PDF engine step for step: the same
// painting gives the same operators, so the pages look as they always did.
class PdfPageDevice::Engine final : public QPaintEngine
{
public:
    Engine(PdfFontRegistry& fonts, QSizeF pointSize)
        : QPaintEngine(QPaintEngine::AllFeatures
                       & ~(QPaintEngine::PorterDuff | QPaintEngine::PerspectiveTransform
                           | QPaintEngine::ObjectBoundingModeGradients | QPaintEngine::ConicalGradientFill))
        , m_fonts(fonts)
        , m_pointSize(pointSize)
    { }

    bool begin(QPaintDevice*) override
    {
        m_pen = QPen();
        m_hasPen = true;
        m_brush = QBrush();
        m_hasBrush = false;
        m_simplePen = false;
        m_cosmeticPen = true;
        m_clipEnabled = false;
        m_allClipped = false;
        m_clips.clear();
        startPage();
        setActive(true);
        return true;
    }

    bool end() override
    {
        setActive(false);
        return true;
    }

    Type type() const override { return QPaintEngine::User; }

    // A page starts as Qt's engine starts one: its transform, then the state set afresh.
    void startPage()
    {
        m_content.append("/GSa gs /CSp cs /CSp CS\n");
        const double scale = 72.0 / kResolution;
        appendPdfNumber(m_content, scale);
        m_content.append("0 0 ");
        appendPdfNumber(m_content, -scale);
        m_content.append("0 ");
        appendPdfNumber(m_content, m_pointSize.height());
        m_content.append("cm\nq q\n");
        setupGraphicsState(DirtyBrush | DirtyPen | DirtyClipPath);
    }

    std::string take()
    {
        m_content.append("Q Q\n");
        std::string taken = std::move(m_content);
        m_content.clear();
        m_content.reserve(taken.size() + taken.size() / 4);
        startPage();
        return taken;
    }

    void updateState(const QPaintEngineState& state) override
    {
        DirtyFlags flags = state.state();
        if (flags & DirtyHints)
            flags |= DirtyBrush;
        if ((flags & DirtyTransform) && !state.transform().isIdentity())
            m_supported = false;
        if (flags & DirtyPen) {
            m_pen = state.pen();
            m_hasPen = m_pen.style() != Qt::NoPen;
            const bool oldCosmetic = m_cosmeticPen;
            if (m_hasPen)
                m_cosmeticPen = m_pen.isCosmetic();
            const bool oldSimple = m_simplePen;
            m_simplePen = m_hasPen && isPlainSolid(m_pen.brush());
            if (m_hasPen && (!m_simplePen || !m_pen.dashPattern().isEmpty()))
                m_supported = false;
            if (oldSimple != m_simplePen || oldCosmetic != m_cosmeticPen)
                flags |= DirtyTransform;
        }
        if (flags & DirtyBrush) {
            m_brush = state.brush();
            if (m_brush.color().alpha() == 0 && m_brush.style() == Qt::SolidPattern)
                m_brush.setStyle(Qt::NoBrush);
            m_hasBrush = m_brush.style() != Qt::NoBrush;
            if (m_hasBrush && !isPlainSolid(m_brush))
                m_supported = false;
        }
        if (flags & DirtyBrushOrigin)
            flags |= DirtyBrush;
        if ((flags & DirtyOpacity) && state.opacity() != 1.0)
            m_supported = false;

        const bool wasEnabled = m_clipEnabled;
        if (flags & DirtyClipPath) {
            m_clipEnabled = true;
            updateClip(state.clipPath(), state.clipOperation());
        } else if (flags & DirtyClipRegion) {
            m_clipEnabled = true;
            QPainterPath path;
            for (const QRect& rect : state.clipRegion())
                path.addRect(rect);
            updateClip(path, state.clipOperation());
            flags |= DirtyClipPath;
        } else if (flags & DirtyClipEnabled) {
            m_clipEnabled = state.isClipEnabled();
        }
        if (wasEnabled != m_clipEnabled)
            flags |= DirtyClipPath;
        else if (!m_clipEnabled)
            flags &= ~DirtyClipPath;
        setupGraphicsState(flags);
    }

    void drawRects(const QRectF* rects, int count) override
    {
        if (!rects || (m_clipEnabled && m_allClipped) || (!m_hasPen && !m_hasBrush))
            return;
        if (m_simplePen || !m_hasPen) {
            for (int i = 0; i < count; ++i) {
                appendPdfNumber(m_content, rects[i].x());
                appendPdfNumber(m_content, rects[i].y());
                appendPdfNumber(m_content, rects[i].width());
                appendPdfNumber(m_content, rects[i].height());
                m_content.append("re\n");
            }
            m_content.append(m_hasPen ? (m_hasBrush ? "B\n" : "S\n") : "f\n");
        } else {
            QPainterPath path;
            for (int i = 0; i < count; ++i)
                path.addRect(rects[i]);
            drawPath(path);
        }
    }

    void drawLines(const QLineF* lines, int count) override
    {
        if (!lines)
            return;
        QPainterPath path;
        for (int i = 0; i < count; ++i) {
            path.moveTo(lines[i].p1());
            path.lineTo(lines[i].p2());
        }
        withoutBrush([&] { drawPath(path); });
    }

    void drawPoints(const QPointF* points, int count) override
    {
        if (!points)
            return;
        QPainterPath path;
        for (int i = 0; i < count; ++i) {
            path.moveTo(points[i]);
            path.lineTo(points[i] + QPointF(0, 0.001));
        }
        withoutBrush([&] { drawPath(path); });
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        if (!points || count == 0)
            return;
        QPainterPath path;
        path.setFillRule(mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
        path.moveTo(points[0]);
        for (int i = 1; i < count; ++i)
            path.lineTo(points[i]);
        if (mode == PolylineMode) {
            withoutBrush([&] { drawPath(path); });
            return;
        }
        path.closeSubpath();
        drawPath(path);
    }

    void drawPath(const QPainterPath& path) override
    {
        if ((m_clipEnabled && m_allClipped) || (!m_hasPen && !m_hasBrush))
            return;
        if (m_simplePen) {
            appendPath(m_content, path, m_hasBrush ? PathUse::FillAndStroke : PathUse::Stroke);
        } else if (m_hasPen) {
            m_supported = false; // a patterned pen is stroked as an outline: not drawn here
        } else {
            appendPath(m_content, path, PathUse::Fill);
        }
    }

    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { m_supported = false; }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override
    {
        m_supported = false;
    }
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override { m_supported = false; }

    void drawTextItem(const QPointF& point, const QTextItem& item) override
    {
        if (!m_hasPen || (m_clipEnabled && m_allClipped))
            return;
        const auto& text = static_cast<const QTextItemInt&>(item);
        QFontEngine* engine = text.fontEngine;
        if (!engine || engine->type() == QFontEngine::Multi || text.charFormat.hasProperty(QTextFormat::AnchorHref)) {
            m_supported = false;
            return;
        }
        const int face = text.f ? faceOf(engine, *text.f) : -1;
        if (face < 0) {
            m_supported = false;
            return;
        }
        m_content.append("q\n");
        const QBrush kept = m_brush;
        m_brush = m_pen.brush();
        setBrush();
        m_brush = kept;

        QVarLengthArray<glyph_t> glyphs;
        QVarLengthArray<QFixedPoint> positions;
        engine->getGlyphPositions(text.glyphs, QTransform::fromTranslate(point.x(), point.y()), text.flags, glyphs,
                                  positions);
        if (!glyphs.isEmpty()) {
            recordGlyphs(face, text);
            m_content.append("BT\n/F");
            append(m_content, face);
            appendPdfNumber(m_content, engine->fontDef.pixelSize);
            m_content.append("Tf 1 0 0 -1 0 0 Tm\n");
            double lastX = 0;
            double lastY = 0;
            for (qsizetype i = 0; i < glyphs.size(); ++i) {
                const double x = positions[i].x.toReal();
                const double y = positions[i].y.toReal();
                appendPdfNumber(m_content, x - lastX);
                appendPdfNumber(m_content, lastY - y);
                m_content.append("Td <");
                appendHex(m_content, glyphs[i]);
                m_content.append("> Tj\n");
                lastX = x;
                lastY = y;
            }
            m_content.append("ET\n");
        }
        m_content.append("Q\n");
    }

    bool m_supported = true;
    PdfGlyphUse m_glyphs;

private:
    template<typename Draw> void withoutBrush(Draw draw)
    {
        const bool had = m_hasBrush;
        m_hasBrush = false;
        draw();
        m_hasBrush = had;
    }

    // By file, not by engine: Qt frees engines and makes others at the same address.
    int faceOf(QFontEngine* engine, const QFont& font)
    {
        if (engine->synthesized() != 0)
            return -1;
        const QByteArray file = engine->faceId().filename;
        if (file.isEmpty())
            return -1;
        if (file == m_lastFile)
            return m_lastFace;
        auto found = m_faceOfFile.find(file);
        const int face = found != m_faceOfFile.end() ? found->second : m_fonts.numberOf(engine, font);
        m_faceOfFile[file] = face;
        m_lastFile = file;
        m_lastFace = face;
        return face;
    }

    // Each glyph with its advance and the characters it shows, for copying
    // text out of the PDF. An item of a wrapped line has the cluster table
    // of the whole paragraph: its entries count from the item's first glyph.
    void recordGlyphs(int face, const QTextItemInt& text)
    {
        std::map<unsigned, PdfGlyph>& used = m_glyphs[face];
        const double size = text.fontEngine->fontDef.pixelSize;
        for (int g = 0; g < text.glyphs.numGlyphs; ++g) {
            auto [at, added] = used.try_emplace(text.glyphs.glyphs[g]);
            if (added)
                at->second.width = size > 0 ? text.glyphs.advances[g].toReal() * 1000 / size : 0;
        }
        if (!text.logClusters || text.num_chars == 0)
            return;
        const int base = text.logClusters[0];
        int previous = -1;
        bool textIsNew = false;
        for (int c = 0; c < text.num_chars; ++c) {
            const int g = text.logClusters[c] - base;
            if (g < 0 || g >= text.glyphs.numGlyphs)
                continue;
            PdfGlyph& glyph = used[text.glyphs.glyphs[g]];
            if (g == previous) { // more characters of one glyph: a ligature
                if (textIsNew)
                    glyph.text.append(text.chars[c]);
                continue;
            }
            textIsNew = glyph.text.isEmpty();
            if (textIsNew)
                glyph.text = text.chars[c];
            previous = g;
        }
    }

    void updateClip(const QPainterPath& path, Qt::ClipOperation operation)
    {
        switch (operation) {
        case Qt::NoClip:
            m_clipEnabled = false;
            m_clips.clear();
            break;
        case Qt::ReplaceClip:
            m_clips.clear();
            m_clips.push_back(path);
            break;
        case Qt::IntersectClip:
            m_clips.push_back(path);
            break;
        default:
            m_supported = false; // a united clip: not drawn by the report engine
            break;
        }
    }

    void setupGraphicsState(DirtyFlags flags)
    {
        if (flags & DirtyClipPath)
            flags |= DirtyTransform | DirtyPen | DirtyBrush;
        if (flags & DirtyTransform) {
            m_content.append("Q\n");
            flags |= DirtyPen | DirtyBrush;
        }
        if (flags & DirtyClipPath) {
            m_content.append("Q q\n");
            m_allClipped = false;
            if (m_clipEnabled && !m_clips.empty()) {
                for (const QPainterPath& clip : m_clips)
                    if (clip.isEmpty())
                        m_allClipped = true;
                if (!m_allClipped)
                    for (const QPainterPath& clip : m_clips)
                        appendPath(m_content, clip, PathUse::Clip);
            }
        }
        if (flags & DirtyTransform)
            m_content.append("q\n");
        if (flags & DirtyBrush)
            setBrush();
        if (m_simplePen && (flags & DirtyPen))
            setPen();
    }

    void setPen()
    {
        if (m_pen.style() == Qt::NoPen)
            return;
        appendColour(m_content, m_pen.brush().color());
        m_content.append("SCN\n");
        appendPdfNumber(m_content, m_pen.widthF());
        m_content.append("w ");
        int cap = 0;
        if (m_pen.capStyle() == Qt::SquareCap)
            cap = 2;
        else if (m_pen.capStyle() == Qt::RoundCap)
            cap = 1;
        append(m_content, cap);
        m_content.append("J ");
        int join = 0;
        switch (m_pen.joinStyle()) {
        case Qt::MiterJoin:
        case Qt::SvgMiterJoin:
            appendPdfNumber(m_content, std::max(1.0, m_pen.miterLimit()));
            m_content.append("M ");
            break;
        case Qt::BevelJoin:
            join = 2;
            break;
        case Qt::RoundJoin:
            join = 1;
            break;
        default:
            break;
        }
        append(m_content, join);
        m_content.append("j [");
        double width = m_pen.widthF();
        if (width < 0.001)
            width = 1;
        m_content += ']';
        appendPdfNumber(m_content, m_pen.dashOffset() * width);
        m_content.append(" d\n");
    }

    void setBrush()
    {
        if (m_brush.style() == Qt::NoBrush)
            return;
        m_content.append("/CSp cs ");
        appendColour(m_content, m_brush.color());
        m_content.append("scn\n/GSa gs\n");
    }

    PdfFontRegistry& m_fonts;
    QSizeF m_pointSize;
    std::string m_content;
    QPen m_pen;
    bool m_hasPen = true;
    QBrush m_brush;
    bool m_hasBrush = false;
    bool m_simplePen = false;
    bool m_cosmeticPen = true;
    bool m_clipEnabled = false;
    bool m_allClipped = false;
    std::vector<QPainterPath> m_clips;
    std::map<QByteArray, int> m_faceOfFile;
    QByteArray m_lastFile;
    int m_lastFace = -1;
};

PdfPageDevice::PdfPageDevice(QSizeF sheetMillimetres, PdfFontRegistry& fonts)
    : m_engine(std::make_unique<Engine>(fonts, QSizeF(layoutOf(sheetMillimetres).fullRectPoints().size())))
    , m_millimetres(sheetMillimetres)
{ }

PdfPageDevice::~PdfPageDevice() = default;

QPaintEngine* PdfPageDevice::paintEngine() const
{
    return m_engine.get();
}

std::string PdfPageDevice::take()
{
    return m_engine->take();
}

bool PdfPageDevice::supported() const
{
    return m_engine->m_supported;
}

const PdfGlyphUse& PdfPageDevice::glyphsUsed() const
{
    return m_engine->m_glyphs;
}

QSizeF PdfPageDevice::pointSize() const
{
    return QSizeF(layoutOf(m_millimetres).fullRectPoints().size());
}

int PdfPageDevice::metric(PaintDeviceMetric metric) const
{
    const QPageLayout layout = layoutOf(m_millimetres);
    switch (metric) {
    case PdmWidth:
        return layout.paintRectPixels(kResolution).width();
    case PdmHeight:
        return layout.paintRectPixels(kResolution).height();
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return kResolution;
    case PdmWidthMM:
        return qRound(layout.paintRect(QPageLayout::Millimeter).width());
    case PdmHeightMM:
        return qRound(layout.paintRect(QPageLayout::Millimeter).height());
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}
