#pragma once

#include "core/model/StockData.h"

#include <QStringList>

#include <optional>

// Linking an animal to its father and mother: who may be chosen as child,
// mother and father, and storing the choice.

struct ParentListOptions
{
    bool hideSold = false;
    bool showDeleted = false;
    bool filterParentsToo = false;
    std::optional<QString> breed; // set while a breed-filter entry is selected
};

struct ParentLists
{
    QStringList children;
    QStringList mothers;
    QStringList fathers;
};

// "VERK. " and the singular upper-cased: stands for "keep the stored (sold) parent".
QString soldParentEntry();

// The three lists by their membership rules, each in alphabetical order.
ParentLists buildParentLists(const AnimalTable& animals, const ParentListOptions& options);

struct ChildParents
{
    QString motherLabel; // the stored mother, or "keine"
    QString fatherLabel; // the stored father, or "keiner"
    QString mother; // the entry to select in the mother list; empty for none
    QString father;
};

// What the dialog shows when a child is picked.
ChildParents parentsOf(const Animal& child, const ParentLists& lists, bool hideSold);

// A warning when saving would empty a stored parent only because the lists
// hide it (sold, deleted or filtered out), or an empty text.
QString hiddenParentWarning(const Animal& child, const ParentLists& lists, const QString& mother,
                            const QString& father);

// Stores mother and father in every active animal with the child's ring; the
// sold-parent entry keeps the stored parent. True when an animal was written;
// `changed` tells whether a stored link became another.
bool saveParents(AnimalTable& animals, const QString& childRing, const QString& mother, const QString& father,
                 bool* changed = nullptr);
