#pragma once

#include <QStringList>

class QCollator;

// The one alphabetical order of the program's lists: German, ignoring case.
const QCollator& alphabeticalCollator();

// Sorts by that order; texts equal but for case keep their order among themselves.
void sortAlphabetically(QStringList& texts);
