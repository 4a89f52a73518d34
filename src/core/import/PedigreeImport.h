#pragma once

#include "core/import/CsvReader.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A pedigree file of a bought bird (written by avelor-export pedigree … .json)
// as rows an import understands: the bird and its ancestors, one row each,
// under the program's own column names, so that they are checked and merged
// by ring exactly as a spreadsheet's rows are.
struct PedigreeRows
{
    QString subject; // the bought bird's ring
    QString seller; // "Vorname Nachname, Züchternummer" as far as given
    CsvTable table;
};

// The rows, or none with the German reason: not such a file, or one of a
// newer format version than this program knows.
std::optional<PedigreeRows> readPedigreeFile(const QByteArray& bytes, QString& problem);
