#include "core/stock/AnimalDeletion.h"

bool markDeleted(AnimalTable& animals, const QString& ring)
{
    bool marked = false;
    for (Animal& a : animals) {
        if (a.active != 0 && a.ringNumber == ring) {
            a.active = 0;
            a.fatherRing.clear();
            a.motherRing.clear();
            marked = true;
        }
    }
    return marked;
}
