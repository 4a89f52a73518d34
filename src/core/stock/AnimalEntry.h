#pragma once

#include "core/model/Records.h"

#include <QStringList>

// The checks and records of the enter-animals dialog, without its widgets.

struct AnimalInput
{
    QString ring; // as typed
    int sex = -1; // selected index; -1 when none is selected
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

// The record of a new animal with this ring: upper-cased (a to z), texts cut
// to their fields. The input must have passed its checks.
TTauben makeNewAnimal(const AnimalInput& input, const QString& ring);

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
