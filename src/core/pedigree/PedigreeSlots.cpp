#include "core/pedigree/PedigreeSlots.h"

int generationOf(int slot)
{
    int generation = 0;
    for (int first = 1; first <= slot; first = 2 * first + 1)
        ++generation;
    return generation;
}

PedigreeSlots resolvePedigree(const AnimalTable& animals, const TTauben& subject, RingIndex& index)
{
    PedigreeSlots ancestors;
    auto parentOf = [&](const QString& ring) {
        return ring.isEmpty() ? -1 : index.lastWith(animals, ring);
    };
    ancestors.index[1] = parentOf(subject.FatherRing);
    ancestors.index[2] = parentOf(subject.MotherRing);
    for (int k = 1; 2 * k + 2 <= PedigreeSlots::kCount; ++k) {
        if (ancestors.empty(k))
            continue;
        const TTauben& a = animals[size_t(ancestors.index[k])];
        ancestors.index[2 * k + 1] = parentOf(a.FatherRing);
        ancestors.index[2 * k + 2] = parentOf(a.MotherRing);
    }
    return ancestors;
}

PedigreeSlots resolvePedigree(const AnimalTable& animals, const TTauben& subject)
{
    RingIndex index;
    return resolvePedigree(animals, subject, index);
}

PedigreeSlots resolvePedigreeByScan(const AnimalTable& animals, const TTauben& subject)
{
    PedigreeSlots ancestors;
    auto matches = [](const QString& ring, const QString& parent) {
        return !parent.isEmpty() && ring == parent;
    };
    for (int pass = 0; pass < 40; ++pass) {
        for (size_t i = 0; i < animals.size(); ++i) {
            const QString& ring = animals[i].RingNumber;
            if (matches(ring, subject.FatherRing))
                ancestors.index[1] = qsizetype(i);
            if (matches(ring, subject.MotherRing))
                ancestors.index[2] = qsizetype(i);
            for (int k = 1; k <= 14; ++k) {
                if (ancestors.empty(k))
                    continue;
                const TTauben& child = animals[size_t(ancestors.index[k])];
                if (matches(ring, child.FatherRing))
                    ancestors.index[2 * k + 1] = qsizetype(i);
                if (matches(ring, child.MotherRing))
                    ancestors.index[2 * k + 2] = qsizetype(i);
            }
        }
    }
    return ancestors;
}
