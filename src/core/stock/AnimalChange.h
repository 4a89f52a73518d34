#pragma once

#include "core/model/Database.h"
#include "core/stock/AnimalEntry.h"

// The save of the change dialog, without its widgets.

// The fields as the enter dialog takes them, and the sold mark. A sex of -1
// (none selected) keeps the stored sex.
struct AnimalEdit
{
    AnimalInput fields;
    bool sold = false;
};

// Stores the edit in the active animal(s) with the selected ring. Returns the
// refusal ("Diese Ringnummer existiert schon.", the year conversion error) or
// an empty text. No field is required; an empty ring number is stored too.
QString applyAnimalEdit(AnimalTable& animals, const QString& selectedRing, const AnimalEdit& edit);

// How many links name a ring: parents of animals, cocks and hens of pairs,
// rings of young.
int linksTo(const Database& db, const QString& ring);

// Makes every such link name the new ring instead.
void carryRingChange(Database& db, const QString& oldRing, const QString& newRing);
