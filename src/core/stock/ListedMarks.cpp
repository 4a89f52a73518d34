#include "core/stock/ListedMarks.h"

#include <QSet>

bool markListedValues(AnimalTable& animals, QString Animal::*field)
{
    QSet<QString> values;
    for (const Animal& a : animals) {
        if (a.active == 1)
            values.insert(a.*field);
    }
    bool changed = false;
    for (Animal& a : animals) {
        const quint8 mark = values.contains(a.*field) ? 1 : 0;
        changed = changed || a.listedMark != mark;
        a.listedMark = mark;
    }
    return changed;
}

bool unmarkForYearList(AnimalTable& animals, const std::optional<QString>& breed)
{
    bool changed = false;
    for (Animal& a : animals) {
        if (a.isActive() && (!breed || a.breed == *breed)) {
            changed = changed || a.listedMark != 0;
            a.listedMark = 0;
        }
    }
    return changed;
}
