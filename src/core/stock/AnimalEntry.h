#pragma once

#include "core/model/StockData.h"

#include <QStringList>

#include <optional>

// Entering new animals: the checks of one animal and of a range of ring
// numbers, and the records made from them.

struct AnimalInput
{
    QString ring; // as typed
    std::optional<Sex> sex; // none when none is selected
    QString year;
    QString breeder;
    QString colour;
    QString markings;
    QString breed;
    QString remarks;
    QString listRemarks;
};

// The message of the first check that fails when one animal is saved, or an empty text.
QString checkNewAnimal(const AnimalTable& animals, const AnimalInput& input);

// The typed year and texts into an animal, each text cut to its field: the
// one copy for a new animal and a changed one alike.
void copyEnteredFields(const AnimalInput& input, Animal& animal);

// The record of a new animal with this ring: upper-cased (a to z), texts cut
// to their fields. The input must have passed its checks.
Animal makeNewAnimal(const AnimalInput& input, const QString& ring);

struct RingRange
{
    QString prefix;
    QString from;
    QString to;
};

struct RangePlan
{
    QString message; // the refusal, or empty
    QStringList rings; // the ring numbers to create, in ascending order, cut to 20
};

// Checks a ring range and the shared fields; on success the ring numbers to create.
RangePlan planRingRange(const AnimalTable& animals, const RingRange& range, const AnimalInput& input);
