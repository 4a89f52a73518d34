#include "support/ScanOracles.h"

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

namespace {

void walkByScan(const AnimalTable& animals, const QString& parent, int generation, Descendants& found)
{
    if (parent.isEmpty()) // an empty ring links nothing
        return;
    for (const Animal& r : animals) {
        for (const QString* link : {&r.fatherRing, &r.motherRing}) {
            if (*link != parent)
                continue;
            QStringList& list = found.generations[size_t(generation - 1)];
            if (generation == 1 || !list.contains(r.ringNumber))
                list.append(r.ringNumber);
            if (generation < 4)
                walkByScan(animals, r.ringNumber, generation + 1, found);
        }
    }
}

} // namespace

Descendants findDescendantsByScan(const AnimalTable& animals, const QString& ring)
{
    Descendants found;
    walkByScan(animals, ring, 1, found);
    return found;
}
