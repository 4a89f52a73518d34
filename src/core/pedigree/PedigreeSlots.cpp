#include "core/pedigree/PedigreeSlots.h"

int generationOf(int slot)
{
    int generation = 0;
    for (int first = 1; first <= slot; first = 2 * first + 1)
        ++generation;
    return generation;
}

PedigreeSlots resolvePedigree(const AnimalTable& animals, const Animal& subject, RingIndex& index)
{
    PedigreeSlots ancestors;
    auto parentOf = [&](const QString& ring) {
        return ring.isEmpty() ? -1 : index.lastWith(animals, ring);
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

PedigreeSlots resolvePedigree(const AnimalTable& animals, const Animal& subject)
{
    RingIndex index;
    return resolvePedigree(animals, subject, index);
}

PedigreeSlots resolvePedigreeByScan(const AnimalTable& animals, const Animal& subject)
{
    PedigreeSlots ancestors;
    auto matches = [](const QString& ring, const QString& parent) {
        return !parent.isEmpty() && ring == parent;
    };
    for (int pass = 0; pass < 40; ++pass) {
        for (size_t i = 0; i < animals.size(); ++i) {
            const QString& ring = animals[i].ringNumber;
            if (matches(ring, subject.fatherRing))
                ancestors.index[1] = qsizetype(i);
            if (matches(ring, subject.motherRing))
                ancestors.index[2] = qsizetype(i);
            for (int k = 1; k <= 14; ++k) {
                if (ancestors.empty(k))
                    continue;
                const Animal& child = animals[size_t(ancestors.index[k])];
                if (matches(ring, child.fatherRing))
                    ancestors.index[2 * k + 1] = qsizetype(i);
                if (matches(ring, child.motherRing))
                    ancestors.index[2 * k + 2] = qsizetype(i);
            }
        }
    }
    return ancestors;
}
