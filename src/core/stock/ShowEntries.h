#pragma once

#include "core/model/AnimalRecords.h"

#include <QStringList>

#include <vector>

class StockDocument;

// What to point out in a show's entries before the form is printed: a bird
// entered more than once, a collection not of four, or one against the
// show's rule for the sexes. German sentences, in the order of the entries.
QStringList entryWarnings(const StockDocument& stock, const ShowEvent& show, const std::vector<ShowEntry>& entries);

// The classes entered or judged before, for offering with a bird: those of
// birds of its breed and colour first, then of its breed, then the rest,
// each once, the most used first within each group.
QStringList classesOffered(const StockDocument& stock, const QString& ring);

// The entries as listed, printed and saved: headings and one row per entry
// (running number, class, ring, sex, colour, breed, collection, cage number,
// points, award). `forForm` leaves out what only the show fills in.
QStringList entryListHeadings(bool forForm);
std::vector<QStringList> entryListRows(const StockDocument& stock, const std::vector<ShowEntry>& entries, bool forForm);
