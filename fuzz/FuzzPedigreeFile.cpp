// A pedigree file as the import gets it from another breeder: read, its
// animals planned against a small stock and imported. Whatever the bytes,
// a file is refused or gives rows, a row that is not refused fits the stock
// file, and undo brings the stock back exactly.
#include "core/import/PedigreeImport.h"
#include "core/import/StockImport.h"
#include "core/stock/StockDocument.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 64 * 1024)
        return 0;
    QString problem;
    const std::optional<PedigreeRows> rows
        = readPedigreeFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), problem);
    if (!rows) {
        if (problem.isEmpty())
            std::abort(); // a refusal says why
        return 0;
    }
    StockData db;
    Animal known;
    known.ringNumber = QStringLiteral("A");
    known.active = 1;
    db.animals = {known};
    StockDocument stock(db, DataFiles(QString()));
    const ImportPlan plan = planStockImport(stock, rows->table, mapColumns(rows->table.header), {.overwrite = false});
    for (const ImportRow& row : plan.rows) {
        if (row.status != ImportRow::Status::Error
            && (row.animal.ringNumber.isEmpty() || row.animal.ringNumber.size() > kRingLength
                || row.animal.colour.size() > kAnimalTextLength))
            std::abort();
    }
    if (importStock(stock, plan).isEmpty()
        && (stock.undo() != QString() || stock.animals() != db.animals || !stock.records().rings().isEmpty()))
        std::abort();
    return 0;
}
