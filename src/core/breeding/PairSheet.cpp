#include "core/breeding/PairSheet.h"

#include "core/model/Dates.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

namespace {

QString spaces(int n)
{
    return QString(n, QLatin1Char(' '));
}

// A date in the table: ten characters wide, blank when none was given.
QString tableDate(double days)
{
    return days == 0 ? spaces(10) : Dates::dayMonthYear(days);
}

QString sexText(Sex sex)
{
    switch (sex) {
    case Sex::Unknown:
        return QCoreApplication::translate("PairSheet", "unbekannt");
    case Sex::Male:
        return QCoreApplication::translate("PairSheet", "männlich ");
    case Sex::Female:
        return QCoreApplication::translate("PairSheet", "weiblich ");
    }
    return spaces(9);
}

QString colourText(const Animal& a)
{
    return a.colour + QStringLiteral(" (") + a.markings + QLatin1Char(')');
}

// A remark on one line of the table: every line break (CR LF, LF or CR) becomes one space.
QString oneLine(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    return QString(text).replace(lineBreak, QStringLiteral(" "));
}

// The line of one clutch under its heading.
QString clutchLines(const Clutch& clutch, size_t number)
{
    return QCoreApplication::translate("PairSheet",
                                       "Gelege %1:      Erstes Ei          letztes Ei          Anzahl Eier          "
                                       "Gelege gesetzt\n\r")
               .arg(number)
        + spaces(15) + tableDate(clutch.firstEgg) + spaces(9) + tableDate(clutch.lastEgg) + spaces(10)
        + QString::number(clutch.eggCount) + spaces(20) + tableDate(clutch.incubationStart)
        + QStringLiteral("\r\n\r\n");
}

// The young of one clutch: each egg with every animal of its ring, in table order.
QString youngLines(const Clutch& clutch, size_t number, const QHash<QString, std::vector<const Animal*>>& animals)
{
    QString lines = QCoreApplication::translate(
                        "PairSheet",
                        "aus Gelege %1: Ringnummer             Geschlecht    Rasse/Art                    "
                        "       abgesetzt\n\r")
                        .arg(number);
    for (const Youngster& y : clutch.young) {
        const std::vector<const Animal*>& found = animals.value(y.ring);
        if (found.empty()) {
            // An egg not ringed, or its bird no longer in stock: a line of its own.
            lines += spaces(14) + (y.isRinged() ? y.ring : QCoreApplication::translate("PairSheet", "nicht beringt"))
                + QStringLiteral("\r\n");
            continue;
        }
        lines += spaces(14) + y.ring.leftJustified(23, QLatin1Char(' '));
        for (const Animal* a : found) {
            lines += sexText(a->sex) + spaces(5) + a->breed.leftJustified(32, QLatin1Char(' ')) + spaces(4)
                + tableDate(y.weaned) + QStringLiteral("\r\n");
            if (!a->remarks.isEmpty())
                lines += spaces(14) + oneLine(a->remarks) + QStringLiteral("\r\n");
        }
    }
    return lines;
}

} // namespace

PairSheet pairSheet(const AnimalTable& animals, const BreedingPair& pair)
{
    PairSheet sheet;
    sheet.subtitle
        = QCoreApplication::translate("PairSheet", "für Zuchtpaar %1 und %2").arg(pair.cockRing, pair.henRing);
    sheet.cockRing = pair.cockRing;
    sheet.henRing = pair.henRing;

    // One pass over the stock finds the parents and every animal of a young bird's ring, in table order.
    QHash<QString, std::vector<const Animal*>> young;
    for (const Clutch& clutch : pair.clutches) {
        for (const Youngster& y : clutch.young)
            young.insert(y.ring, {});
    }
    for (const Animal& a : animals) {
        if (!a.isActive())
            continue;
        if (a.ringNumber == pair.cockRing) {
            sheet.cockBreed = a.breed;
            sheet.cockColour = colourText(a);
        }
        if (a.ringNumber == pair.henRing) {
            sheet.henBreed = a.breed;
            sheet.henColour = colourText(a);
        }
        if (const auto it = young.find(a.ringNumber); it != young.end())
            it->push_back(&a);
    }

    for (size_t k = 1; k <= pair.clutches.size(); ++k) {
        sheet.clutches += clutchLines(pair.clutches[k - 1], k);
        sheet.young += youngLines(pair.clutches[k - 1], k, young);
    }
    return sheet;
}
