#include "reports/layouts/RecordSheetReport.h"

#include "core/model/Dates.h"
#include "core/model/SpeciesWords.h"

#include <QCoreApplication>

namespace {

// The band's top-left corner on the sheet; the table's positions are relative to it.
constexpr double kBandX = 9.5;
constexpr double kBandY = 9.5;

TextElement text(const QString& name, double x, double y, double size, const QString& content = QString())
{
    return TextElement::autoSized(name, {kBandX + x, kBandY + y}, size, content);
}

TextElement fixedText(const QString& name, QRectF rect, double size)
{
    TextElement t = TextElement::fixed(name, rect.translated(kBandX, kBandY), size);
    t.style.wordWrap = true;
    return t;
}

RectElement box(const QString& name, QRectF rect)
{
    RectElement r;
    r.name = name;
    r.rect = rect.translated(kBandX, kBandY);
    r.outline = Qt::black;
    r.outlineWidth = 0.3;
    r.fill = QColor(Qt::white);
    return r;
}

} // namespace

RecordSheetReport::RecordSheetReport()
{
    auto& e = m_page.elements;
    RectElement band;
    band.name = QStringLiteral("band");
    band.rect = QRectF(kBandX, kBandY, 191.0, 180.4);
    band.outline = QColor(0, 128, 0);
    band.outlineWidth = 1.0;
    e.push_back(band);

    TextElement title = text(QStringLiteral("title"), 38.1, 1.1, 24,
                             QCoreApplication::translate("RecordSheetReport", "Stammblatt z. Kanarienvogel"));
    title.style.bold = true;
    e.push_back(title);
    e.push_back(TextElement::printDate(QStringLiteral("date"), {kBandX + 187.3, kBandY + 1.9}, 10));
    TextElement ring = fixedText(QStringLiteral("ring"), {2.5, 11.6, 153.0, 7.0}, 16);
    ring.style.alignment = Qt::AlignHCenter;
    ring.style.wordWrap = false;
    e.push_back(ring);

    e.push_back(box(QStringLiteral("boxTopLeft"), {5.3, 25.4, 86.8, 40.5}));
    e.push_back(box(QStringLiteral("boxTopRight"), {98.4, 25.4, 86.8, 40.5}));
    e.push_back(box(QStringLiteral("boxBottomLeft"), {5.3, 73.0, 86.8, 87.3}));
    e.push_back(box(QStringLiteral("boxBottomRight"), {98.4, 73.0, 86.8, 87.3}));

    e.push_back(text(QStringLiteral("colourCaption"), 10.1, 30.4, 10,
                     QCoreApplication::translate("RecordSheetReport", "Farbe:")));
    e.push_back(text(QStringLiteral("colour"), 10.1, 36.2, 14));
    e.push_back(text(QStringLiteral("breederCaption"), 10.1, 48.9, 10,
                     QCoreApplication::translate("RecordSheetReport", "Züchter:")));
    e.push_back(text(QStringLiteral("breeder"), 10.1, 54.8, 14));
    e.push_back(text(QStringLiteral("sexCaption"), 102.7, 30.4, 10,
                     QCoreApplication::translate("RecordSheetReport", "Geschlecht:")));
    e.push_back(text(QStringLiteral("sex"), 102.7, 36.2, 14));
    e.push_back(text(QStringLiteral("breedCaption"), 102.7, 48.9, 10,
                     QCoreApplication::translate("RecordSheetReport", "Art / Rasse:")));
    e.push_back(text(QStringLiteral("breed"), 102.7, 54.8, 14));
    e.push_back(text(QStringLiteral("yearCaption"), 10.1, 78.1, 10,
                     QCoreApplication::translate("RecordSheetReport", "Geburtsjahr:")));
    e.push_back(text(QStringLiteral("year"), 10.1, 83.9, 14));
    e.push_back(text(QStringLiteral("listRemarksCaption"), 10.1, 96.6, 10,
                     QCoreApplication::translate("RecordSheetReport", "Bemerkung Kanarienvögelbestandsliste:")));
    e.push_back(fixedText(QStringLiteral("listRemarks"), {10.1, 102.4, 76.7, 56.4}, 14));
    e.push_back(text(QStringLiteral("remarksCaption"), 102.7, 78.1, 10,
                     QCoreApplication::translate("RecordSheetReport", "Sonstige Bemerkungen")));
    e.push_back(fixedText(QStringLiteral("remarks"), {102.7, 83.9, 77.8, 72.8}, 12));
    // Below the boxes, printed only when the breeder wants it.
    e.push_back(text(QStringLiteral("bestResult"), 10.1, 163.3, 10));
    e.push_back(text(QStringLiteral("foot1"), 141.8, 172.2, 6,
                     QCoreApplication::translate("RecordSheetReport", "Erstellt mit Avelor Abstammungsnachweis")));
    e.push_back(text(QStringLiteral("foot2"), 154.3, 174.9, 6,
                     QCoreApplication::translate("RecordSheetReport", "Internet: %1").arg(SpeciesWords::WebPage)));
}

QString RecordSheetReport::sexWord(Sex sex)
{
    switch (sex) {
    case Sex::Unknown:
        return QCoreApplication::translate("RecordSheetReport", "unbekannt", "sex");
    case Sex::Male:
        return SpeciesWords::maleSex();
    case Sex::Female:
        return SpeciesWords::femaleSex();
    }
    return {}; // a value the file held but no dialog sets
}

QString RecordSheetReport::bestResultLine(const ShowResult& r)
{
    //: %1 points, %2 show, %3 date
    QString line = QCoreApplication::translate("RecordSheetReport", "Bestes Ausstellungsergebnis: %1 Punkte, %2, %3")
                       .arg(AnimalRecordWords::points(r.halfPoints), r.show, Dates::text(r.date));
    if (!r.award.isEmpty())
        line += QStringLiteral(", ") + r.award;
    return line;
}

void RecordSheetReport::fill(const Animal& animal, const QString& bestShowResult)
{
    m_page.text(QStringLiteral("bestResult"))->lines
        = bestShowResult.isEmpty() ? QStringList() : QStringList {bestShowResult};
    const std::pair<const char*, QString> values[] = {
        {"ring", animal.ringNumber},         {"sex", sexWord(animal.sex)}, {"year", QString::number(animal.birthYear)},
        {"listRemarks", animal.listRemarks}, {"remarks", animal.remarks},  {"colour", animal.colour},
        {"breeder", animal.breeder},         {"breed", animal.breed},
    };
    for (const auto& [name, value] : values)
        m_page.text(QString::fromLatin1(name))->lines = QStringList {value};
}
