#pragma once

#include <QStringList>

class QTextStream;

// avelor-import: spreadsheets (CSV) into a data folder's stock, without the
// windows, through the same checks and the same safe save as the program.
// Returns the exit code: 0 every row imported, 1 a row had an error (nothing
// imported), 2 wrong use, 3 data or file not readable or not written, 4 the
// folder is in use by the program or another import.
int runImport(const QStringList& arguments, QTextStream& out, QTextStream& err);
