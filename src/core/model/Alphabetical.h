#pragma once

#include <QStringList>

#include <functional>
#include <vector>

class QCollator;

// The one alphabetical order of the program's lists: German, ignoring case.
const QCollator& alphabeticalCollator();

// Sorts by that order; texts equal but for case keep their order among themselves.
void sortAlphabetically(QStringList& texts);

// -1, 0 or 1 by that order, one pair at a time: the order a sort follows.
int compareAlphabetically(const QString& a, const QString& b);

// The quick path of that order for plain ASCII texts (letters, digits, space,
// '-', '.', '/'): -1, 0 or 1 as the collator would say, 2 when a text has any
// other character. Exposed so that tests hold it against the collator.
int comparePlainly(const QString& a, const QString& b);
// Whether the system's collator orders plain texts as comparePlainly does; the
// quick path is taken only where it does.
bool plainOrderIsTheCollatorsOrder();

// The positions 0 to count-1 in the alphabetical order of textAt(position).
// A long list calls textAt from two threads at once.
std::vector<qsizetype> alphabeticalPermutation(qsizetype count, const std::function<const QString&(qsizetype)>& textAt);
