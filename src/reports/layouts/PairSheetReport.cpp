#include "reports/layouts/PairSheetReport.h"

#include "core/model/SpeciesWords.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// The band's top-left corner on the sheet; the positions are relative to it.
constexpr double kBandX = 10.0;
constexpr double kBandY = 10.0;

TextElement text(const QString& name, double x, double y, double size, const QString& content = {}, bool bold = false)
{
    TextElement t = TextElement::autoSized(name, {kBandX + x, kBandY + y}, size, content);
    t.style.bold = bold;
    return t;
}

RectElement box(double x, double y, double width, double height)
{
    RectElement r;
    r.rect = QRectF(kBandX + x, kBandY + y, width, height);
    r.outlineWidth = 0.3;
    return r;
}

TextElement table(const QString& name, const QRectF& rect, double size)
{
    TextElement t = TextElement::fixed(name, rect.translated(kBandX, kBandY), size);
    t.style.family = QStringLiteral("Courier New");
    t.style.wordWrap = true;
    return t;
}

void parentBox(std::vector<ReportElement>& e, const char* side, double x)
{
    const QString prefix = QString::fromLatin1(side);
    e.push_back(text(QString(), x, 32.0, 10, QCoreApplication::translate("PairSheetReport", "Ringnummer:")));
    e.push_back(text(prefix + QStringLiteral("Ring"), x, 37.8, 14));
    e.push_back(text(QString(), x, 45.8, 10, QCoreApplication::translate("PairSheetReport", "Art/Rasse:")));
    e.push_back(text(prefix + QStringLiteral("Breed"), x, 51.6, 14));
    e.push_back(text(QString(), x, 59.5, 10, QCoreApplication::translate("PairSheetReport", "Farbe::")));
    e.push_back(text(prefix + QStringLiteral("Colour"), x, 65.4, 14));
}

// The tables' lines end CR LF or LF CR; on the page each is one line break.
QStringList linesOf(const QString& table)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n\r|\n|\r"));
    QStringList lines = table.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

PairSheetReport::PairSheetReport()
{
    m_page.size = QSizeF(210.0, 297.0);
    auto& e = m_page.elements;
    RectElement band;
    band.rect = QRectF(kBandX, kBandY, 191.0, 276.0);
    band.outline = QColor(0, 128, 0);
    band.outlineWidth = layoutPixelsToMm(4);
    e.push_back(band);
    e.push_back(text(QString(), 14.3, 1.1, 24,
                     QCoreApplication::translate("PairSheetReport", "Zuchtpaarauszug aus Zuchtdatei"), true));
    e.push_back(TextElement::printDate(QString(), {kBandX + 187.3, kBandY + 1.9}, 10));
    TextElement subtitle
        = TextElement::fixed(QStringLiteral("subtitle"), {kBandX + 2.5, kBandY + 11.6, 182.9, 7.0}, 16);
    subtitle.style.alignment = Qt::AlignHCenter;
    subtitle.style.wordWrap = true;
    e.push_back(subtitle);
    e.push_back(text(QString(), 30.4, 19.1, 10,
                     QCoreApplication::translate("PairSheetReport", "Details zu Vogel (m) 1.0:"), true));
    e.push_back(text(QString(), 124.1, 19.1, 10,
                     QCoreApplication::translate("PairSheetReport", "Details zu Vogel (w) 0.1:"), true));
    e.push_back(box(5.3, 25.4, 86.8, 50.5));
    e.push_back(box(99.0, 25.4, 86.8, 50.5));
    parentBox(e, "cock", 7.9);
    parentBox(e, "hen", 101.6);
    e.push_back(text(QString(), 89.2, 83.1, 10, QCoreApplication::translate("PairSheetReport", "Gelege:"), true));
    e.push_back(box(5.3, 89.4, 180.2, 45.5));
    e.push_back(table(QStringLiteral("clutches"), {7.9, 92.3, 174.9, 41.0}, 8));
    e.push_back(text(QString(), 85.2, 139.7, 10, QCoreApplication::translate("PairSheetReport", "Beringungen:"), true));
    e.push_back(box(5.3, 146.1, 180.2, 119.1));
    e.push_back(table(QStringLiteral("young"), {7.9, 149.0, 174.9, 114.0}, 7));
    e.push_back(text(QString(), 141.8, 268.0, 6,
                     QCoreApplication::translate("PairSheetReport", "Erstellt mit Avelor Abstammungsnachweis")));
    e.push_back(text(QString(), 154.3, 270.7, 6,
                     QCoreApplication::translate("PairSheetReport", "Internet: %1").arg(SpeciesWords::WebPage)));
}

void PairSheetReport::fill(const PairSheet& sheet)
{
    const std::pair<const char*, QString> fields[] = {
        {"subtitle", sheet.subtitle},   {"cockRing", sheet.cockRing},     {"henRing", sheet.henRing},
        {"cockBreed", sheet.cockBreed}, {"cockColour", sheet.cockColour}, {"henBreed", sheet.henBreed},
        {"henColour", sheet.henColour},
    };
    for (const auto& [name, value] : fields)
        m_page.text(QString::fromLatin1(name))->lines = QStringList {value};
    m_page.text(QStringLiteral("clutches"))->lines = linesOf(sheet.clutches);
    m_page.text(QStringLiteral("young"))->lines = linesOf(sheet.young);
}
