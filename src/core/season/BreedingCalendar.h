#pragma once

#include "core/model/BreedingPair.h"
#include "core/model/CalendarDays.h"

#include <QDate>

#include <optional>
#include <vector>

// What is due in the breeding room, from the clutches and young the pair file holds.

enum class BreedingTask
{
    Candling, // "Schieren"
    Hatching, // "Schlupf"
    Ringing, // "Beringen"
    Weaning, // "Absetzen"
};

struct DueTask
{
    QDate date;
    BreedingTask task = BreedingTask::Candling;
    int pair = 0; // position in the pair table
    qint32 cage = 0;
    QString cockRing;
    QString henRing;
    int clutch = 0; // from 0
    std::optional<int> egg; // from 0; none for a task of the whole clutch
    bool overdue = false;
};

// "Schieren", "Schlupf", "Beringen", "Absetzen".
QString taskWord(BreedingTask task);

// The day a clutch's incubation started: the day it was set, or else its
// last egg; none for a clutch without either or without eggs.
std::optional<QDate> incubationStart(const Clutch& clutch);

// The tasks not yet done that are overdue (before today) or due up to and
// including `until`, by date, then cage (then pair, clutch, egg and task).
std::vector<DueTask> dueTasks(const PairTable& pairs, const CalendarDays& days, const QDate& today, const QDate& until);

// The eggs that will still need a ring: not ringed, in a clutch being
// incubated, and not past their ringing day by more than the ringing days
// again (a young that old no longer takes a closed ring).
int eggsAwaitingRings(const PairTable& pairs, const CalendarDays& days, const QDate& today);
