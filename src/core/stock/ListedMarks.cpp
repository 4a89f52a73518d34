#include "core/stock/ListedMarks.h"

#include <QSet>

std::vector<size_t> markListedValues(AnimalTable& animals, QString Animal::*field)
{
    QSet<QString> values;
    for (const Animal& a : animals) {
        if (a.active == 1)
            values.insert(a.*field);
    }
    std::vector<size_t> changed;
    for (size_t i = 0; i < animals.size(); ++i) {
        const quint8 mark = values.contains(animals[i].*field) ? 1 : 0;
        if (animals[i].listedMark != mark)
            changed.push_back(i);
        animals[i].listedMark = mark;
    }
    return changed;
}

std::vector<size_t> unmarkForYearList(AnimalTable& animals, const std::optional<QString>& breed)
{
    std::vector<size_t> changed;
    for (size_t i = 0; i < animals.size(); ++i) {
        Animal& a = animals[i];
        if (a.isActive() && (!breed || a.breed == *breed) && a.listedMark != 0) {
            changed.push_back(i);
            a.listedMark = 0;
        }
    }
    return changed;
}
