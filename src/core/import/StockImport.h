#pragma once

#include "core/import/CsvReader.h"
#include "core/import/ImportFields.h"
#include "core/model/Animal.h"
#include "core/records/RecordsDatabase.h"

#include <QStringList>

#include <functional>
#include <vector>

class StockDocument;

// Bringing animals in from a spreadsheet, with their whereabouts and colour
// factors, or show results: what each row would do to the stock and its
// records, worked out before anything changes, and then done as one step.

struct ImportOptions
{
    bool overwrite = true; // a filled cell replaces a stored value; otherwise only empty fields are filled
};

struct ImportRow
{
    enum class Status
    {
        New,
        Changed,
        Unchanged,
        Error,
    };
    int line = 0; // in the file, the header's being 1
    Status status = Status::Error;
    QString ring;
    QStringList changedFields; // names of the fields a known animal gets from the file
    QStringList keptFields; // names of the fields the file has otherwise, kept as stored (not overwriting)
    QString problem; // German: why the row cannot be imported
    QStringList notes; // German: texts cut to their field
    Animal animal; // the animal as it will be stored (not for a show result)
};

struct ImportPlan
{
    std::vector<ImportRow> rows;
    QStringList unknownParents; // rings named as parents, found neither in the stock nor in the file
    bool showResults = false; // the rows are show results, not animals
    bool cancelled = false; // stopped on the way: it brings nothing
    // What the records of each ring the file reaches will be, whole.
    std::vector<std::pair<QString, AnimalRecordChange>> records;

    int count(ImportRow::Status status) const;
    bool hasErrors() const { return count(ImportRow::Status::Error) > 0; }
    // Whether importing would change anything.
    bool bringsChanges() const;
    // "3 neu, 1 geändert, 0 unverändert, 0 fehlerhaft"
    QString summary() const;
};

// Told how many of the rows are worked out; false stops the planning.
using ImportProgress = std::function<bool(qsizetype done, qsizetype total)>;

ImportPlan planStockImport(const StockDocument& stock, const CsvTable& table, const std::vector<ImportField>& mapping,
                           const ImportOptions& options = {}, const ImportProgress& progress = {});

// The plan's new and changed animals and records into the stock as one step
// of the history; nothing when a row has an error or the records cannot be
// stored. An empty text, or the German reason nothing was done.
QString importStock(StockDocument& stock, const ImportPlan& plan);
