#pragma once

#include "core/model/Records.h"

// An active animal with the fields the entry dialog requires filled in.
inline TTauben testAnimal(const QString& ring, int sex = 0, int year = 2012, const QString& breed = QString())
{
    TTauben a;
    a.RingNumber = ring;
    a.Sex = sex;
    a.BirthYear = year;
    a.Breed = breed;
    a.Breeder = QStringLiteral("Müller");
    a.Colour = QStringLiteral("gelb");
    a.Markings = QStringLiteral("einfarbig");
    a.Active = 1;
    return a;
}
