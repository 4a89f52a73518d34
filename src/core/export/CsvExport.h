#pragma once

#include "core/model/AnimalRecords.h"
#include "core/model/StockData.h"
#include "core/stocklist/StockList.h"

#include <QByteArray>

#include <functional>
#include <vector>

// The stock and the breeding records for a spreadsheet: UTF-8 with a byte
// order mark, fields separated by semicolons and quoted where they hold a
// semicolon, a quote or a line break, lines ending CR LF, as German
// spreadsheet programs read them.

// Every active animal with every field, parents included, its whereabouts
// where it has any and its colour factors (those entered, and what the
// pedigree says) where `genetics` gives them, in the given order of table positions.
using CsvGenetics = std::function<std::pair<QString, QString>(qsizetype animal)>;
QByteArray stockCsv(const AnimalTable& animals, const std::vector<qsizetype>& order,
                    const std::vector<Whereabouts>& whereabouts = {}, const CsvGenetics& genetics = {});

// The same for everything a stock document holds.
class StockDocument;
QByteArray stockCsv(const StockDocument& stock, StockListOrder order);

// Every show result, by date, then ring, with the sum of its collection.
QByteArray showsCsv(const std::vector<ShowResult>& results);

// The table positions of every animal by ring number or by birth year;
// `alphabetical` is the stock's alphabetical ring order (alphabeticalRingOrder).
std::vector<qsizetype> csvOrder(const AnimalTable& animals, const std::vector<qsizetype>& alphabetical,
                                StockListOrder order);

// Any table of texts: a line of headings, then one line per row.
QByteArray tableCsv(const QStringList& headings, const std::vector<QStringList>& rows);

// One line per egg (per clutch without eggs, per pair without clutches).
QByteArray breedingCsv(const PairTable& pairs);
