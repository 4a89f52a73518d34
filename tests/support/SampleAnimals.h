#pragma once

#include "core/model/StockData.h"
#include "core/stock/AnimalChange.h"

// An active animal with the fields the entry dialog requires filled in.
inline Animal testAnimal(const QString& ring, Sex sex = Sex::Unknown, int year = 2012, const QString& breed = QString())
{
    Animal a;
    a.ringNumber = ring;
    a.sex = sex;
    a.birthYear = year;
    a.breed = breed;
    a.breeder = QStringLiteral("Müller");
    a.colour = QStringLiteral("gelb");
    a.markings = QStringLiteral("einfarbig");
    a.active = 1;
    return a;
}

// A change of an animal that stores it as it is.
inline AnimalEdit editOf(const Animal& a)
{
    AnimalEdit edit;
    edit.fields = {a.ringNumber, a.sex,        QString::number(a.birthYear), a.breeder, a.colour, a.markings, a.breed,
                   a.remarks,    a.listRemarks};
    edit.sold = a.sold != 0;
    return edit;
}
