#include "core/stock/AnimalQueries.h"

#include "core/model/Alphabetical.h"
#include "core/model/TextRules.h"

#include <QDate>
#include <QSet>

QStringList distinctValues(AnimalTable& animals, QString TTauben::*field)
{
    // One pass to collect, one to mark: the same marks as marking every equal
    // value per newly listed animal, without its quadratic cost.
    QSet<QString> seen;
    QStringList values;
    for (const TTauben& a : animals) {
        if (a.Active == 1 && !seen.contains(a.*field)) {
            seen.insert(a.*field);
            values.append(a.*field);
        }
    }
    for (TTauben& a : animals)
        a.ListedMark = seen.contains(a.*field) ? 1 : 0;
    sortAlphabetically(values);
    return values;
}

std::vector<size_t> activeIndicesOf(const AnimalTable& animals, const QString& ring)
{
    std::vector<size_t> found;
    for (size_t i = 0; i < animals.size(); ++i) {
        if (animals[i].Active != 0 && animals[i].RingNumber == ring)
            found.push_back(i);
    }
    return found;
}

const TTauben* lastActiveWithRing(const AnimalTable& animals, const QString& ring)
{
    for (auto it = animals.rbegin(); it != animals.rend(); ++it) {
        if (it->Active != 0 && it->RingNumber == ring)
            return &*it;
    }
    return nullptr;
}

TTauben* lastActiveWithRing(AnimalTable& animals, const QString& ring)
{
    return const_cast<TTauben*>(lastActiveWithRing(static_cast<const AnimalTable&>(animals), ring));
}

bool activeRingExists(const AnimalTable& animals, const QString& ring)
{
    const QString wanted = upperAscii(ring);
    for (const TTauben& a : animals) {
        if (a.Active != 0 && a.RingNumber.size() == wanted.size() && upperAscii(a.RingNumber) == wanted)
            return true;
    }
    return false;
}

QStringList yearList(int currentYear)
{
    QStringList years;
    for (int year = currentYear; year >= currentYear - 30; --year)
        years.append(QString::number(year));
    return years;
}

QStringList yearList()
{
    return yearList(QDate::currentDate().year());
}
