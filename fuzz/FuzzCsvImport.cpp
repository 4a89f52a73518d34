// A spreadsheet file as an import gets it: read, its columns mapped, each
// row planned against a small stock, imported and taken back. Whatever the
// bytes, a row that is not refused fits the stock file, and undo brings the
// stock and its records back exactly.
#include "core/import/StockImport.h"
#include "core/stock/StockDocument.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 64 * 1024)
        return 0;
    const CsvTable table = readCsv(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (table.rows.size() != table.lines.size())
        std::abort();
    int previous = 1;
    for (const int line : table.lines) {
        if (line <= previous)
            std::abort(); // every row starts on a later line than the one before
        previous = line;
    }
    StockData db;
    Animal known;
    known.ringNumber = QStringLiteral("A");
    known.fatherRing = QStringLiteral("B");
    known.active = 1;
    db.animals = {known};
    StockDocument stock(db, DataFiles(QString()));
    for (const bool overwrite : {true, false}) {
        const ImportPlan plan = planStockImport(stock, table, mapColumns(table.header), {.overwrite = overwrite});
        if (plan.rows.size() != table.rows.size())
            std::abort();
        for (const ImportRow& row : plan.rows) {
            const bool refused = row.status == ImportRow::Status::Error;
            if (refused != !row.problem.isEmpty()
                || (!refused && (row.ring.isEmpty() || row.ring.size() > kRingLength)))
                std::abort();
            const Animal& a = row.animal;
            if (!refused && !plan.showResults
                && (row.ring.isEmpty() || a.ringNumber != row.ring || a.ringNumber.size() > kRingLength
                    || a.fatherRing.size() > kRingLength || a.motherRing.size() > kRingLength
                    || a.breeder.size() > kAnimalTextLength || a.colour.size() > kAnimalTextLength
                    || a.markings.size() > kAnimalTextLength || a.breed.size() > kAnimalTextLength))
                std::abort();
        }
        if (importStock(stock, plan).isEmpty()) {
            if (stock.undo() != QString() || stock.animals() != db.animals || !stock.records().rings().isEmpty())
                std::abort();
        }
    }
    return 0;
}
