#include "core/stock/AnimalQueries.h"

#include "core/model/Alphabetical.h"
#include "core/model/TextRules.h"

#include <QDate>
#include <QSet>

QStringList distinctValues(const AnimalTable& animals, QString Animal::*field)
{
    QSet<QString> seen;
    QStringList values;
    for (const Animal& a : animals) {
        if (a.active == 1 && !seen.contains(a.*field)) {
            seen.insert(a.*field);
            values.append(a.*field);
        }
    }
    sortAlphabetically(values);
    return values;
}

std::vector<qsizetype> alphabeticalRingOrder(const AnimalTable& animals)
{
    return alphabeticalPermutation(qsizetype(animals.size()),
                                   [&animals](qsizetype i) -> const QString& { return animals[size_t(i)].ringNumber; });
}

std::vector<size_t> activeIndicesOf(const AnimalTable& animals, const QString& ring)
{
    std::vector<size_t> found;
    for (size_t i = 0; i < animals.size(); ++i) {
        if (animals[i].active != 0 && animals[i].ringNumber == ring)
            found.push_back(i);
    }
    return found;
}

const Animal* lastActiveWithRing(const AnimalTable& animals, const QString& ring)
{
    for (auto it = animals.rbegin(); it != animals.rend(); ++it) {
        if (it->active != 0 && it->ringNumber == ring)
            return &*it;
    }
    return nullptr;
}

Animal* lastActiveWithRing(AnimalTable& animals, const QString& ring)
{
    return const_cast<Animal*>(lastActiveWithRing(static_cast<const AnimalTable&>(animals), ring));
}

bool activeRingExists(const AnimalTable& animals, const QString& ring)
{
    const QString wanted = upperAscii(ring);
    for (const Animal& a : animals) {
        if (a.active != 0 && a.ringNumber.size() == wanted.size() && upperAscii(a.ringNumber) == wanted)
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
