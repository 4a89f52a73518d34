#pragma once

#include <QStringList>

class PedigreeReading;

// The colour factors entered that contradict one another or the parents'
// records, one German sentence each: factors no bird can have together, a
// young showing a recessive factor whose parent is entered as free of it, a
// bird entered as free of a factor its parent shows, a young showing a
// dominant factor both of whose parents are entered as free of it.
QStringList checkColourFactors(PedigreeReading& reading);
