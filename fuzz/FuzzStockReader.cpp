// Any bytes must either load or be reported as damaged; a file that loads
// completely must come back the same after a save.
#include "core/files/StockFile.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StockData db;
    const auto result = StockFile::read(QByteArrayView(data, qsizetype(size)), db);
    if (result.status == StockFile::ReadStatus::Damaged && result.problem.isEmpty())
        std::abort();
    if (result.status != StockFile::ReadStatus::Complete)
        return 0;

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!StockFile::write(buffer, db))
        std::abort();
    StockData again;
    if (StockFile::read(buffer.data(), again).status != StockFile::ReadStatus::Complete)
        std::abort();
    if (again.animals != db.animals || again.breeder != db.breeder || !(again.print == db.print))
        std::abort();
    return 0;
}
