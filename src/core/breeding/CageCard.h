#pragma once

#include "core/model/BreedingPair.h"
#include "core/model/CalendarDays.h"

#include <QDate>
#include <QStringList>

#include <optional>
#include <vector>

class StockDocument;

// What a card on a cage shows: a breeding pair with its clutches and the
// days of their work, or a single bird. The layout chooses the words.

struct CageCardBird
{
    QString ring;
    bool inStock = false; // the rest is empty when no active bird has the ring
    Sex sex = Sex::Unknown;
    qint32 birthYear = 0;
    QString colour;
    QString breed;
    QString fatherRing;
    QString motherRing;
};

struct CageCardClutch
{
    QDate firstEgg;
    QDate candling; // from the start of incubation; none before it is known
    QDate hatching; // the first young's hatching, or the day it is due
    QDate ringing; // from the first hatching, or from the day it is due
    bool hatched = false; // false: hatching and ringing are the days due
    QStringList youngRings;
};

struct CageCard
{
    enum class Kind
    {
        Pair,
        Bird,
    };
    Kind kind = Kind::Pair;
    qint32 cage = 0;
    QDate paired;
    CageCardBird cock; // the bird of a single bird's card
    CageCardBird hen;
    std::vector<CageCardClutch> clutches;

    // What the card's code holds: the ring numbers, one per line, as any
    // phone's scanner shows them.
    QString codeText() const;
};

CageCard pairCageCard(const StockDocument& stock, const BreedingPair& pair, const CalendarDays& days);
// None when no active bird has the ring.
std::optional<CageCard> birdCageCard(const StockDocument& stock, const QString& ring);
