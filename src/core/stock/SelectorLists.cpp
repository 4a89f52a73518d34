#include "core/stock/SelectorLists.h"

#include "core/model/Alphabetical.h"
#include "core/model/Dates.h"

#include <QCoreApplication>

QStringList pedigreeCandidates(const AnimalTable& animals)
{
    QStringList rings;
    rings.reserve(qsizetype(animals.size()));
    for (const Animal& a : animals) {
        if (a.active != 0 && a.sold == 0)
            rings.append(a.ringNumber);
    }
    sortAlphabetically(rings);
    return rings;
}

QStringList pairCaptions(const PairTable& pairs)
{
    //: a breeding pair: cock's ring, hen's ring, start of breeding
    const QString caption = QCoreApplication::translate("SelectorLists", "%1 - %2 vom %3");
    QStringList captions;
    captions.reserve(qsizetype(pairs.size()));
    for (const BreedingPair& p : pairs)
        captions.append(caption.arg(p.cockRing, p.henRing, Dates::dayMonthShortYear(p.breedingStart)));
    return captions;
}

QStringList activeRings(const AnimalTable& animals, const QString* breed)
{
    QStringList rings;
    for (const Animal& a : animals) {
        if (a.active != 0 && (!breed || a.breed == *breed))
            rings.append(a.ringNumber);
    }
    return rings;
}
