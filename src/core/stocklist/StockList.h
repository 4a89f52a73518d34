#pragma once

#include "core/model/StockData.h"

#include <QStringList>

#include <optional>

class QIODevice;
class StockDocument;

// The stock list: every animal in the stock and not sold, one entry each,
// as a printed list or an HTML page.

enum class StockListOrder
{
    ByRing,
    ByBirthYear,
};

// "[U] ", "[M] " or "[W] "; empty for a value no dialog sets.
QString sexMark(Sex sex);

// Ring, colour and markings, padded with spaces to 42 characters so that a
// fixed-pitch font lines up what follows.
QString headText(const Animal& animal);

// The entry of one animal on the printed list, without its running number.
QString itemText(const Animal& animal, StockListLayout layout);

// "0001   " and the like before each entry, counted from 1.
QStringList numbered(QStringList items);

// The title: the breed filtered on + "-Liste", or the word for the whole list.
QString stockListTitle(const std::optional<QString>& breed);

// The animals on the list in their order: by ring number (the shared
// alphabetical order over their entries' texts) or by birth year (oldest
// year first, table order within a year), restricted to a breed if one is given.
std::vector<qsizetype> listedPositions(const AnimalTable& animals, StockListOrder order, StockListLayout layout,
                                       const std::optional<QString>& breed);

// The numbered entries of the printed list.
QStringList stockListItems(const AnimalTable& animals, StockListOrder order, StockListLayout layout,
                           const std::optional<QString>& breed);

// The HTML page of the whole stock (no breed filter), dated `date` (dd.MM.yy),
// to a device as the file holds it: Windows-1252 with CR LF at the end.
// Texts are escaped, so no remark can add markup to the page; a character
// the code page lacks is written as a character reference instead of being
// lost. False when the device did not take every byte.
bool writeStockListHtml(QIODevice& device, const AnimalTable& animals, StockListOrder order, const QString& date);

// What a breeder asks of the printed list.
struct StockListRequest
{
    StockListOrder order = StockListOrder::ByRing;
    StockListLayout layout = StockListLayout::TwoLines;
    std::optional<QString> breed;
};

// The printed list's entries from the stock.
QStringList stockListEntries(const StockDocument& stock, const StockListRequest& request);

// The HTML page of the whole stock, dated today.
bool writeStockListHtml(const StockDocument& stock, QIODevice& device, StockListOrder order);

// The listed marks in the stock file as making the list (printed or HTML)
// has always left them: the list by birth year clears those of its animals.
void markListed(StockDocument& stock, const StockListRequest& request);

// The date the HTML page gives for today (dd.MM.yy).
QString stockListHtmlDate();
