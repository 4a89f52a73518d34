#include "core/breeding/CageCard.h"

#include "core/model/Dates.h"
#include "core/season/BreedingCalendar.h"
#include "core/stock/StockDocument.h"

namespace {

QDate dateOf(double days)
{
    return days == 0 ? QDate() : Dates::toDate(days);
}

CageCardBird birdOf(const StockDocument& stock, const QString& ring)
{
    CageCardBird bird;
    bird.ring = ring;
    if (const Animal* animal = stock.lastActive(ring)) {
        bird.inStock = true;
        bird.sex = animal->sex;
        bird.birthYear = animal->birthYear;
        bird.colour = animal->colour;
        bird.breed = animal->breed;
        bird.fatherRing = animal->fatherRing;
        bird.motherRing = animal->motherRing;
    }
    return bird;
}

CageCardClutch clutchOf(const Clutch& clutch, const CalendarDays& days)
{
    CageCardClutch card;
    card.firstEgg = dateOf(clutch.firstEgg);
    QDate firstHatched;
    for (const Youngster& young : clutch.young) {
        if (young.isRinged())
            card.youngRings << young.ring;
        const QDate hatched = dateOf(young.hatched);
        if (hatched.isValid() && (!firstHatched.isValid() || hatched < firstHatched))
            firstHatched = hatched;
    }
    if (const std::optional<QDate> start = incubationStart(clutch)) {
        card.candling = start->addDays(days.candling);
        card.hatching = start->addDays(days.hatching);
    }
    if (firstHatched.isValid()) {
        card.hatching = firstHatched;
        card.hatched = true;
    }
    if (card.hatching.isValid())
        card.ringing = card.hatching.addDays(days.ringing);
    return card;
}

} // namespace

QString CageCard::codeText() const
{
    if (kind == Kind::Bird)
        return cock.ring;
    return cock.ring + QLatin1Char('\n') + hen.ring;
}

CageCard pairCageCard(const StockDocument& stock, const BreedingPair& pair, const CalendarDays& days)
{
    CageCard card;
    card.kind = CageCard::Kind::Pair;
    card.cage = pair.cageNumber;
    card.paired = dateOf(pair.breedingStart);
    card.cock = birdOf(stock, pair.cockRing);
    card.hen = birdOf(stock, pair.henRing);
    for (const Clutch& clutch : pair.clutches)
        card.clutches.push_back(clutchOf(clutch, days));
    return card;
}

std::optional<CageCard> birdCageCard(const StockDocument& stock, const QString& ring)
{
    CageCard card;
    card.kind = CageCard::Kind::Bird;
    card.cock = birdOf(stock, ring);
    if (!card.cock.inStock)
        return std::nullopt;
    return card;
}
