#include "core/stock/StockLists.h"

#include "core/model/Alphabetical.h"
#include "core/model/Dates.h"

QStringList pedigreeCandidates(const AnimalTable& animals)
{
    QStringList rings;
    rings.reserve(qsizetype(animals.size()));
    for (const TTauben& a : animals) {
        if (a.Active != 0 && a.Sold == 0)
            rings.append(a.RingNumber);
    }
    sortAlphabetically(rings);
    return rings;
}

QStringList pairCaptions(const PairTable& pairs)
{
    QStringList captions;
    captions.reserve(qsizetype(pairs.size()));
    for (const TZuchtpaar& p : pairs) {
        captions.append(p.CockRing + QStringLiteral(" - ") + p.HenRing + QStringLiteral(" vom ")
                        + Dates::dayMonthShortYear(p.BreedingStart));
    }
    return captions;
}

QStringList activeRings(const AnimalTable& animals, const QString* breed)
{
    QStringList rings;
    for (const TTauben& a : animals) {
        if (a.Active != 0 && (!breed || a.Breed == *breed))
            rings.append(a.RingNumber);
    }
    return rings;
}
