#pragma once

#include <QString>

#include <optional>
#include <vector>

class StockDocument;

// The mates a bird may get, the least related first.

struct MateCandidate
{
    qsizetype animal = -1; // table position
    QString ring;
    double inbreeding = 0.0; // F of the young the two would have
    QString relationship; // the nearest one named, or empty
    bool close = false; // as close as half siblings or closer: worth a warning
};

// Young whose F reaches this are from birds as close as half siblings, a
// grandparent or an uncle: the planner and the breeding dialog warn.
inline constexpr double kCloseInbreeding = 0.125;

struct MateSearch
{
    QString ring; // the bird to pair
    std::optional<QString> breed; // only candidates of this breed
};

struct MateRanking
{
    QString problem; // German: the bird is not in the stock or of unknown sex
    std::vector<MateCandidate> candidates; // lowest F first, then alphabetical by ring
};

// Every bird of the other sex in the stock (not deleted, not sold),
// ranked by the inbreeding coefficient of their young.
MateRanking rankMates(const StockDocument& stock, const MateSearch& search);

// How closely a cock and a hen about to be paired are related: the
// relationship and F of their young, or nothing when they are not close.
std::optional<MateCandidate> closeRelation(const StockDocument& stock, const QString& cockRing, const QString& henRing);
