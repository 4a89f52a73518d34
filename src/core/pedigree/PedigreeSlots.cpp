#include "core/pedigree/PedigreeSlots.h"

int generationOf(int slot)
{
    int generation = 0;
    for (int first = 1; first <= slot; first = 2 * first + 1)
        ++generation;
    return generation;
}

PedigreeSlots resolvePedigree(const AnimalTable& animals, const Animal& subject, const RingIndex& index)
{
    PedigreeSlots ancestors;
    auto parentOf = [&](const QString& ring) {
        return ring.isEmpty() ? -1 : index.lastWith(ring);
    };
    ancestors.index[1] = parentOf(subject.fatherRing);
    ancestors.index[2] = parentOf(subject.motherRing);
    for (int k = 1; 2 * k + 2 <= PedigreeSlots::kCount; ++k) {
        if (ancestors.empty(k))
            continue;
        const Animal& a = animals[size_t(ancestors.index[k])];
        ancestors.index[2 * k + 1] = parentOf(a.fatherRing);
        ancestors.index[2 * k + 2] = parentOf(a.motherRing);
    }
    return ancestors;
}
