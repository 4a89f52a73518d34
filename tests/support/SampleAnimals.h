#pragma once

#include "core/model/Database.h"

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
