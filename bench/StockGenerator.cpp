#include "StockGenerator.h"

#include <random>

QString generatedRing(int i)
{
    return QStringLiteral("DE-%1-%2").arg(1000 + i % 977).arg(i, 7, 10, QLatin1Char('0'));
}

Database generateStock(int animals, int pairs, unsigned seed)
{
    std::mt19937 random(seed);
    static const QString breeds[]
        = {QStringLiteral("Gloster"), QStringLiteral("Timbrado"), QStringLiteral("Harzer Roller"),
           QStringLiteral("Border"), QStringLiteral("Lizard")};
    static const QString colours[]
        = {QStringLiteral("gelb"), QStringLiteral("rot"), QStringLiteral("grün"), QStringLiteral("weiß")};
    Database db;
    db.print = PrintSettings::defaults();
    db.animals.resize(static_cast<size_t>(animals));
    // Five generations of equal size; the first has no known parents.
    const int generation = qMax(1, animals / 5);
    for (int i = 0; i < animals; ++i) {
        TTauben& a = db.animals[i];
        a.RingNumber = generatedRing(i);
        a.Sex = 1 + (i % 2);
        a.BirthYear = 2000 + (i / generation) * 3 + int(random() % 3);
        a.Breeder = QStringLiteral("Züchter %1").arg(random() % 200);
        a.Colour = colours[random() % 4];
        a.Breed = breeds[random() % 5];
        a.Markings = (random() % 2) ? QStringLiteral("einfarbig") : QStringLiteral("gescheckt");
        a.Remarks = QStringLiteral("Bewertung %1 Punkte, Schau %2").arg(80 + random() % 15).arg(2010 + random() % 10);
        a.ListRemarks = QStringLiteral("Liste %1").arg(i);
        a.Active = 1;
        a.Sold = (random() % 20) == 0;
        if (i >= generation) {
            const int base = (i / generation - 1) * generation;
            const int father = base + 2 * int(random() % (generation / 2));
            a.FatherRing = generatedRing(father);
            a.MotherRing = generatedRing(father + 1);
        }
    }
    for (int p = 0; p < pairs; ++p) {
        TZuchtpaar pair;
        pair.CockRing = generatedRing(2 * (p % qMax(1, animals / 2)));
        pair.HenRing = generatedRing(2 * (p % qMax(1, animals / 2)) + 1);
        pair.CageNumber = p;
        pair.BreedingStart = 45000 + p % 300;
        for (int c = 0; c < 3; ++c) {
            TGelege clutch;
            clutch.FirstEgg = pair.BreedingStart + 10 * c;
            clutch.LastEgg = clutch.FirstEgg + 3;
            clutch.ClutchSet = clutch.LastEgg;
            clutch.EggCount = 4;
            for (int y = 0; y < 4; ++y)
                clutch.Young.push_back({QStringLiteral("J-%1-%2-%3").arg(p).arg(c).arg(y), 0, clutch.ClutchSet + 14});
            pair.Clutches.push_back(clutch);
        }
        db.pairs.push_back(std::move(pair));
    }
    return db;
}
