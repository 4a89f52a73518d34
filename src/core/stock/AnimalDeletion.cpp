#include "core/stock/AnimalDeletion.h"

bool markDeleted(AnimalTable& animals, const QString& ring)
{
    bool marked = false;
    for (TTauben& a : animals) {
        if (a.Active != 0 && a.RingNumber == ring) {
            a.Active = 0;
            a.FatherRing.clear();
            a.MotherRing.clear();
            marked = true;
        }
    }
    return marked;
}
