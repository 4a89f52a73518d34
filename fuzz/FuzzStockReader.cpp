// Any bytes must either load or be reported as damaged; a file that loads
// completely must come back the same after a save, from the encoded records
// as from the animals. Reading a few animals with their ancestors never
// takes a file the whole read finds damaged, and gives records of it.
#include "core/files/StockFile.h"

#include <QBuffer>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StockData db;
    const auto result = StockFile::read(QByteArrayView(data, qsizetype(size)), db);
    if (result.status == StockFile::ReadStatus::Damaged && result.problem.isEmpty())
        std::abort();

    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    StockData few;
    const QStringList rings {db.animals.empty() ? QStringLiteral("R") : db.animals.back().ringNumber};
    const auto partial = StockFile::readAncestries(file, rings, few);
    if (partial && partial->status != result.status)
        std::abort();
    if (result.status != StockFile::ReadStatus::Complete)
        return 0;
    // What the few are, in order, is a part of the whole table.
    size_t at = 0;
    for (const Animal& a : few.animals) {
        while (at < db.animals.size() && !(db.animals[at] == a))
            ++at;
        if (at++ >= db.animals.size())
            std::abort();
    }
    if (partial && (few.breeder != db.breeder || !(few.print == db.print)))
        std::abort();

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!StockFile::write(buffer, db))
        std::abort();
    QBuffer fromEncoded;
    fromEncoded.open(QIODevice::WriteOnly);
    const std::vector<QByteArray> records {
        StockFile::encodeAnimals(db.animals.data(), db.animals.data() + db.animals.size())};
    if (!StockFile::write(fromEncoded, qint32(db.animals.size()), records, db.print, db.breeder)
        || fromEncoded.data() != buffer.data())
        std::abort();
    StockData again;
    if (StockFile::read(buffer.data(), again).status != StockFile::ReadStatus::Complete)
        std::abort();
    if (again.animals != db.animals || again.breeder != db.breeder || !(again.print == db.print))
        std::abort();
    return 0;
}
