#pragma once

#include "core/model/Animal.h"

#include <QDate>
#include <QString>

#include <map>
#include <optional>
#include <vector>

// What the breeder keeps about a bird beyond the stock file, keyed by its
// ring number as everything else is.

// What became of a bird.
enum class WhereaboutsStatus : int
{
    InStock = 0, // "im Bestand"
    Sold = 1, // "verkauft"
    GivenAway = 2, // "abgegeben"
    Died = 3, // "verstorben"
    FlewOff = 4, // "entflogen"
};

struct Whereabouts
{
    QString ring;
    WhereaboutsStatus status = WhereaboutsStatus::InStock;
    QDate date; // null: not given
    QString buyerName; // sold or given away
    QString buyerAddress; // several lines
    std::optional<qint64> priceCents; // sold only
    QString note;

    bool inStock() const { return status == WhereaboutsStatus::InStock; }
    bool hasBuyer() const { return status == WhereaboutsStatus::Sold || status == WhereaboutsStatus::GivenAway; }
    bool operator==(const Whereabouts&) const = default;
};

// One bird judged at one show. German show cards give at most 100 points, in halves.
struct ShowResult
{
    qint64 id = 0; // given by the database; 0 for one not yet stored
    QString ring;
    QDate date;
    QString show;
    QString showClass;
    int halfPoints = 0; // 0 to 200: points times two
    QString award; // award or placing, as written on the card
    std::optional<int> collection; // the entries with the same number at one show form a collection

    double points() const { return halfPoints / 2.0; }
    bool operator==(const ShowResult&) const = default;
};

// Who may make up a collection of a show: the rule the breeder chose for it.
enum class CollectionRule : int
{
    AnySex = 0, // cocks and hens mixed
    OneSex = 1, // all cocks or all hens
    CocksOnly = 2,
    HensOnly = 3,
};

// A show the breeder enters birds for.
struct ShowEvent
{
    qint64 id = 0; // given by the database; 0 for one not yet stored
    QString name;
    QString place;
    QDate date;
    QDate closingDate; // the last day for entries
    QString organiser;
    CollectionRule collectionRule = CollectionRule::AnySex;

    bool operator==(const ShowEvent&) const = default;
};

// One bird entered for a show, alone or in a collection; after judging its
// points, which become a show result of the bird once transferred.
struct ShowEntry
{
    qint64 id = 0; // given by the database; 0 for one not yet stored
    qint64 show = 0; // the ShowEvent's id
    QString ring;
    QString showClass;
    std::optional<int> collection; // the entries of one show with the same number form a collection of four
    std::optional<int> cageNumber; // the number the show gives the entry, once known
    std::optional<int> halfPoints; // once judged: 0 to 200
    QString award;
    bool transferred = false; // made a show result of the bird

    bool operator==(const ShowEntry&) const = default;
};

// A bird put into a cage, flight or room on a day; the latest is where it sits now.
struct LocationMove
{
    qint64 id = 0; // given by the database; 0 for one not yet stored
    QString ring;
    QDate date;
    QString location; // empty: taken out of every cage

    bool operator==(const LocationMove&) const = default;
};

// Club rings delivered for a year: the numbers first to last after the
// breeder's prefix, written with `digits` places ("DE-06165-26-" and 7 of 3: "DE-06165-26-007").
struct RingDelivery
{
    qint64 id = 0; // given by the database; 0 for one not yet stored
    int year = 0;
    QString club;
    QString size;
    QString colour;
    QString prefix;
    qint64 first = 0;
    qint64 last = 0;
    int digits = 1;

    QString ring(qint64 number) const
    {
        return prefix + QString::number(number).rightJustified(digits, QLatin1Char('0'));
    }
    qint64 count() const { return last - first + 1; }
    bool operator==(const RingDelivery&) const = default;
};

// Why a delivery cannot be entered (German), or nothing: its numbers must fit
// its places and must not overlap a range of the same prefix already entered.
QString ringDeliveryProblem(const RingDelivery& delivery, const std::vector<RingDelivery>& entered);

// What the breeder knows of one colour factor of a bird.
enum class FactorState : int
{
    Unknown = 0, // not entered
    Absent = 1, // "nicht vorhanden"
    Carrier = 2, // "spalterbig": carried hidden
    Visual = 3, // "sichtbar"; for a dominant factor: one copy
    DoubleFactor = 4, // "doppelfaktorig": a dominant factor twice
};

// The colour factors entered for a bird, by the factor's key ("braun",
// "opal", ...); factors not entered are left out.
using FactorStates = std::map<QString, FactorState>;

// Everything recorded under one ring, exactly as it is stored: what taking a
// change back puts in place again.
struct AnimalRecordSet
{
    QString ring;
    bool listed = false; // the ring has a row of its own, even with nothing else
    std::optional<Whereabouts> whereabouts;
    std::vector<ShowResult> showResults; // with their ids
    FactorStates factors;
    std::vector<LocationMove> moves; // with their ids, by date
    std::vector<ShowEntry> entries; // with their ids

    bool operator==(const AnimalRecordSet&) const = default;
};

namespace AnimalRecordWords {

// "Hahn" or "Henne" in the current language; nothing for a bird of unknown sex.
QString sexText(Sex sex);
// "im Bestand", "verkauft", ... as breeders write them.
QString statusWord(WhereaboutsStatus status);
// The same word in the current language; never stored or matched.
QString statusText(WhereaboutsStatus status);
// Points as a German card shows them: "92" or "92,5".
QString points(int halfPoints);
// A price in euro as German texts write it: "45,50".
QString price(qint64 cents);
// A price typed as "45", "45,5", "45,50" or "45.50"; nothing for anything else.
std::optional<qint64> parsePrice(const QString& text);
// Points typed as "92", "92,5" or "92.5", in halves up to 100, as half points; nothing for anything else.
std::optional<int> parsePoints(const QString& text);
// "unbekannt", "nicht vorhanden", "spalterbig", "sichtbar", "doppelfaktorig".
QString factorStateWord(FactorState state);

} // namespace AnimalRecordWords
