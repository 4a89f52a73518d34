#pragma once

#include "storage/Database.h"

// The save of the change dialog, without its widgets.

struct AnimalEdit
{
    QString ring;
    int sex = -1; // -1: none selected, the stored sex stays
    QString year;
    QString breeder;
    QString colour;
    QString markings;
    QString breed;
    QString remarks;
    QString listRemarks;
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
