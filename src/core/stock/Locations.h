#pragma once

#include <QDate>
#include <QStringList>

#include <optional>
#include <vector>

class StockDocument;

// Where the birds of the stock sit: a cage, flight or room, as the breeder names it.

struct LocatedBird
{
    qsizetype animal = -1; // table position
    QString location; // empty: no place given
    QDate since;
};

// A pair's cage as a place: "Hecke 12".
QString cageLocation(qint32 cage);

// The places offered for a bird: the cage of each pair it belongs to
// (newest start of breeding first), then every place in use, each once.
QStringList offeredLocations(const StockDocument& stock, const QString& ring);

// The birds in the stock (active, not marked sold) with where each sits, by
// place (numbers within a name in their order, birds without a place last),
// then ring. With `only`, just the birds of that place (empty: those without one).
std::vector<LocatedBird> locatedBirds(const StockDocument& stock, const std::optional<QString>& only = {});

// The list of places for print and CSV: headings, then one row per bird.
QStringList locationListHeadings();
std::vector<QStringList> locationListRows(const StockDocument& stock, const std::vector<LocatedBird>& birds);
