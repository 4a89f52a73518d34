#include "StockGenerator.h"

#include <random>

QString generatedRing(int i)
{
    return QStringLiteral("DE-%1-%2").arg(1000 + i % 977).arg(i, 7, 10, QLatin1Char('0'));
}

StockData generateStock(int animals, int pairs, unsigned seed)
{
    std::mt19937 random(seed);
    static const QString breeds[]
        = {QStringLiteral("Gloster"), QStringLiteral("Timbrado"), QStringLiteral("Harzer Roller"),
           QStringLiteral("Border"), QStringLiteral("Lizard")};
    static const QString colours[]
        = {QStringLiteral("gelb"), QStringLiteral("rot"), QStringLiteral("grün"), QStringLiteral("weiß")};
    StockData db;
    db.print = PrintSettings::defaults();
    db.animals.resize(static_cast<size_t>(animals));
    // Five generations of equal size; the first has no known parents.
    const int generation = qMax(1, animals / 5);
    for (int i = 0; i < animals; ++i) {
        Animal& a = db.animals[i];
        a.ringNumber = generatedRing(i);
        a.sex = i % 2 ? Sex::Female : Sex::Male;
        a.birthYear = 2000 + (i / generation) * 3 + int(random() % 3);
        a.breeder = QStringLiteral("Züchter %1").arg(random() % 200);
        a.colour = colours[random() % 4];
        a.breed = breeds[random() % 5];
        a.markings = (random() % 2) ? QStringLiteral("einfarbig") : QStringLiteral("gescheckt");
        a.remarks = QStringLiteral("Bewertung %1 Punkte, Schau %2").arg(80 + random() % 15).arg(2010 + random() % 10);
        a.listRemarks = QStringLiteral("Liste %1").arg(i);
        a.active = 1;
        a.sold = (random() % 20) == 0;
        if (i >= generation) {
            const int base = (i / generation - 1) * generation;
            const int father = base + 2 * int(random() % (generation / 2));
            a.fatherRing = generatedRing(father);
            a.motherRing = generatedRing(father + 1);
        }
    }
    for (int p = 0; p < pairs; ++p) {
        BreedingPair pair;
        pair.cockRing = generatedRing(2 * (p % qMax(1, animals / 2)));
        pair.henRing = generatedRing(2 * (p % qMax(1, animals / 2)) + 1);
        pair.cageNumber = p;
        pair.breedingStart = 45000 + p % 300;
        for (int c = 0; c < 3; ++c) {
            Clutch clutch;
            clutch.firstEgg = pair.breedingStart + 10 * c;
            clutch.lastEgg = clutch.firstEgg + 3;
            clutch.incubationStart = clutch.lastEgg;
            clutch.eggCount = 4;
            for (int y = 0; y < 4; ++y)
                clutch.young.push_back(
                    {QStringLiteral("J-%1-%2-%3").arg(p).arg(c).arg(y), 0, clutch.incubationStart + 14});
            pair.clutches.push_back(clutch);
        }
        db.pairs.push_back(std::move(pair));
    }
    return db;
}
