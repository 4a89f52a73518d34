#pragma once

#include "core/model/Database.h"
#include "core/stock/AnimalEntry.h"

// The save of the change dialog, without its widgets.

// The fields as the enter dialog takes them, and the sold mark. No sex
// selected keeps the stored sex.
struct AnimalEdit
{
    AnimalInput fields;
    bool sold = false;
};

struct AnimalEditResult
{
    enum class Outcome
    {
        Stored,
        Refused, // a duplicate ring or a year that is no number
        NotFound, // no active animal has the selected ring (it was deleted)
    };
    Outcome outcome = Outcome::Stored;
    QString message; // German, unless stored

    bool stored() const { return outcome == Outcome::Stored; }
};

// Stores the edit in the active animal(s) with the selected ring. No field is
// required; an empty ring number is stored too. A ring is a duplicate when
// another active animal has it, compared upper-cased; the animal being
// changed is never its own duplicate.
AnimalEditResult applyAnimalEdit(AnimalTable& animals, const QString& selectedRing, const AnimalEdit& edit);

// How many links name a ring: parents of animals, cocks and hens of pairs,
// rings of young.
int linksTo(const Database& db, const QString& ring);

// Makes every such link name the new ring instead.
void carryRingChange(Database& db, const QString& oldRing, const QString& newRing);
