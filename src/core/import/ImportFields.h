#pragma once

#include "core/model/Animal.h"
#include "core/model/AnimalRecords.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What a column of an imported spreadsheet holds, and the values in it as
// breeders write them.

enum class ImportField
{
    Ignored,
    Ring,
    Sex,
    Year,
    Breeder,
    Colour,
    Markings,
    Breed,
    Father,
    Mother,
    Remarks,
    ListRemarks,
    Sold,
    // The records beside the stock, as the program's own stock CSV has them.
    WhereaboutsStatus,
    WhereaboutsDate,
    Buyer,
    BuyerAddress,
    Price,
    WhereaboutsNote,
    Factors,
    // A show result per row, as the program's list of show results has them.
    ShowDate,
    Show,
    ShowClass,
    Points,
    Award,
    Collection,
};

// Every field but Ignored, in the order the program's own CSVs have them.
const std::vector<ImportField>& importFields();
// A table with a column of show names holds show results, one per row;
// any other holds animals.
bool holdsShowResults(const std::vector<ImportField>& mapping);
// The field's name as the mapping shows it ("Ringnummer").
QString importFieldName(ImportField field);

// The field a header names: the program's own CSV headers and the usual
// other names ("Ring-Nr.", "Geschl.", "Jahrgang", "Vater-Ring"), compared
// without case, spaces and punctuation. Ignored for anything else.
ImportField fieldOfHeader(const QString& header);
// One field per column; a field named twice goes to its first column only.
std::vector<ImportField> mapColumns(const QStringList& header);

// A text as the program's own CSV wrote it: the apostrophe put before a
// text that a spreadsheet would take for a formula comes off again.
QString cellText(const QString& cell);

// "1.0", "m", "M", "Hahn", "männlich" and the like; none for a word not known.
// An empty cell is Unknown.
std::optional<Sex> sexOfText(const QString& text);
// "2024", or "24" for 2024; none when it is no year from 1900 to 2100, or
// empty (0, no year).
std::optional<qint32> yearOfText(const QString& text);
// "ja", "x", "1" and the like for sold, "nein", "0" or empty for not; none when unclear.
std::optional<bool> soldOfText(const QString& text);
// "im Bestand", "verkauft", "abgegeben", "verstorben", "entflogen"; none for another word.
std::optional<WhereaboutsStatus> whereaboutsOfText(const QString& text);
// "92" or "92,5" (also "92.5") points, 0 to 100 in halves, as half points; none for anything else.
std::optional<int> halfPointsOfText(const QString& text);
