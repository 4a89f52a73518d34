#pragma once

#include <vector>

#include "core/model/AnimalRecords.h"
#include "core/model/StockData.h"
#include "core/stock/AnimalEntry.h"

// Changing the stored data of an animal that is in the stock.

// The fields as they are entered for a new animal, the sold mark and, where
// the breeder saw them, the whereabouts. No sex selected keeps the stored sex.
struct AnimalEdit
{
    AnimalInput fields;
    bool sold = false;
    std::optional<Whereabouts> whereabouts;
    std::optional<FactorStates> factors; // replaces the colour factors entered before
    std::optional<std::vector<ShowResult>> showResults; // replaces the bird's results; new ones have id 0
    std::optional<LocationMove> move; // stored when the place differs from where the bird sits

    // The ring number as it will be stored.
    QString storedRing() const { return fields.ring.left(kRingLength); }
};

struct AnimalEditResult
{
    enum class Outcome
    {
        Stored,
        Refused, // a duplicate ring or a year that is no number
        NotFound, // no active animal has the selected ring (it was deleted)
        RecordsRefused, // the records database could not store its part: nothing changed
    };
    Outcome outcome = Outcome::Stored;
    QString message; // German, unless stored
    QString pictureProblem; // German: stored, but the picture could not follow a new ring

    bool stored() const { return outcome == Outcome::Stored; }
};

// Whether the edit may be stored in the active animal(s) with the selected
// ring. No field is required; an empty ring number is stored too. A ring is a
// duplicate when another active animal has it, compared upper-cased; the
// animal being changed is never its own duplicate.
AnimalEditResult checkAnimalEdit(const AnimalTable& animals, const QString& selectedRing, const AnimalEdit& edit);
// The same, given the positions of the active animals with the selected ring
// (from an index): a large stock is then searched only for a new ring.
AnimalEditResult checkAnimalEdit(const AnimalTable& animals, const QString& selectedRing,
                                 const std::vector<size_t>& selected, const AnimalEdit& edit);

// Stores an edit that checkAnimalEdit allowed.
void writeAnimalEdit(AnimalTable& animals, const QString& selectedRing, const AnimalEdit& edit);
void writeAnimalEdit(AnimalTable& animals, const std::vector<size_t>& selected, const AnimalEdit& edit);

// How many links name a ring: parents of animals, cocks and hens of pairs,
// rings of young.
int linksTo(const StockData& db, const QString& ring);

// Makes every such link name the new ring instead.
void carryRingChange(StockData& db, const QString& oldRing, const QString& newRing);
