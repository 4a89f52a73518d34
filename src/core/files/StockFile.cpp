#include "core/files/StockFile.h"

#include "core/files/FieldReader.h"
#include "core/files/FieldWriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <thread>

namespace {

// Below this many animals one thread reads them as fast.
constexpr qint32 kParallelFrom = 20000;

// Records a decoding thread takes at a time: small enough that the threads
// end together however unevenly their memory comes from the system.
constexpr qint32 kRunLength = 4096;

// Where every run of kRunLength records starts, and where the last record
// ends, found without decoding them: a fixed part, then two counted texts.
// Empty when the bytes do not hold `count` whole records; the careful reading
// then finds and reports what is wrong.
std::vector<qsizetype> runStarts(QByteArrayView bytes, qsizetype pos, qint32 count)
{
    const qsizetype fixed = minimumSize<Animal>() - 8; // without the two counts
    std::vector<qsizetype> starts;
    starts.reserve(size_t(count / kRunLength) + 2);
    for (qint32 i = 0; i < count; ++i) {
        if (i % kRunLength == 0)
            starts.push_back(pos);
        pos += fixed;
        for (int text = 0; text < 2; ++text) {
            if (pos > bytes.size() - 4)
                return {};
            const qint32 n = qFromLittleEndian<qint32>(bytes.data() + pos);
            pos += 4;
            if (n < 0 || n > bytes.size() - pos)
                return {};
            pos += n;
        }
    }
    starts.push_back(pos);
    return starts;
}

// Decodes the animals [first, last) from the bytes [from, to); false when a field is off.
bool decodeAnimals(QByteArrayView bytes, qsizetype from, qsizetype to, size_t first, size_t last, AnimalTable& animals,
                   TextCache& shared)
{
    ByteReader r(bytes.data() + from, to - from);
    for (size_t i = first; i < last && r.ok(); ++i) {
        FieldReader fields(r, &shared);
        visitFields(fields, animals[i]);
    }
    return r.ok() && r.remaining() == 0;
}

// Writes one byte of every page of the storage: memory comes from the
// system page by page as it is first written, and on some machines each
// page's first write costs more than all the work done on it afterwards.
void fetchPages(char* storage, size_t bytes)
{
    constexpr size_t kPage = 4096; // the smallest page of any system the program runs on
    for (size_t at = 0; at < bytes; at += kPage)
        static_cast<volatile char*>(storage)[at] = 0;
}

// Large stocks are decoded by several threads, each taking the next run of
// records until none is left. False (and nothing read) when a record is
// off: the careful reading follows.
bool readAnimalsInParallel(QByteArrayView bytes, ByteReader& r, qint32 count, AnimalTable& animals)
{
    // A count the bytes left cannot hold is never allocated for.
    if (count > (bytes.size() - r.position()) / minimumSize<Animal>())
        return false;
    // While this thread walks the records, a helper fetches the table's memory from the system.
    animals.clear();
    animals.reserve(size_t(count));
    std::thread fetching(fetchPages, reinterpret_cast<char*>(animals.data()), size_t(count) * sizeof(Animal));
    const std::vector<qsizetype> starts = runStarts(bytes, r.position(), count);
    fetching.join();
    if (starts.empty())
        return false;
    animals.resize(size_t(count));

    const size_t runs = starts.size() - 1;
    std::atomic<size_t> next {0};
    std::atomic<bool> fine {true};
    auto decodeRuns = [&] {
        TextCache shared;
        for (size_t run = next++; run < runs && fine; run = next++) {
            const size_t first = run * kRunLength;
            const size_t last = std::min(first + kRunLength, size_t(count));
            if (!decodeAnimals(bytes, starts[run], starts[run + 1], first, last, animals, shared))
                fine = false;
        }
    };
    std::vector<std::thread> helpers;
    for (unsigned i = 1; i < std::clamp(std::thread::hardware_concurrency(), 1u, 8u); ++i)
        helpers.emplace_back(decodeRuns);
    decodeRuns();
    for (std::thread& helper : helpers)
        helper.join();
    if (!fine) {
        animals.clear();
        return false;
    }
    return r.skip(starts.back() - r.position());
}

} // namespace

namespace StockFile {

qsizetype minimumAnimalSize()
{
    return minimumSize<Animal>();
}

ReadResult read(QByteArrayView bytes, StockData& db)
{
    ReadResult result;
    ByteReader r(bytes.data(), bytes.size());
    qint32 version = 0;
    if (r.readI32(version) && version != kFormatVersion) {
        result.status = ReadStatus::WrongVersion;
        return result;
    }

    db.animals.clear();
    qint32 count = 0;
    if (r.readI32(count)) {
        result.declaredCount = count;
        if (count < 0)
            r.fail(QCoreApplication::translate("StockFile", "negative Anzahl %1").arg(count));
    }
    if (r.ok() && !(count >= kParallelFrom && readAnimalsInParallel(bytes, r, count, db.animals))) {
        // Never trust the count for the allocation: the bytes left bound it.
        db.animals.reserve(static_cast<size_t>(qMin<qsizetype>(count, r.remaining() / minimumAnimalSize())));
        TextCache shared;
        for (qint32 i = 0; i < count && r.ok(); ++i) {
            Animal animal;
            FieldReader fields(r, &shared);
            visitFields(fields, animal);
            // An animal whose remarks are cut off is kept with what could be read.
            if (fields.textsReached())
                db.animals.push_back(std::move(animal));
        }
    }
    FieldReader tail(r);
    visitStockTail(tail, db.print, db.breeder);

    for (Animal& a : db.animals) {
        if (!a.isActive()) {
            a.fatherRing.clear();
            a.motherRing.clear();
        }
    }
    if (!r.ok()) {
        result.status = ReadStatus::Damaged;
        result.problem = r.problem();
    }
    return result;
}

bool write(QIODevice& device, const StockData& db)
{
    ByteWriter w(device);
    FieldWriter fields(w);
    w.writeI32(kFormatVersion);
    w.writeI32(static_cast<qint32>(db.animals.size()));
    for (const Animal& a : db.animals) {
        visitFields(fields, a);
        if (!w.ok())
            return false;
    }
    visitStockTail(fields, db.print, db.breeder);
    return w.finish();
}

QByteArray encodeAnimals(const Animal* first, const Animal* last)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ByteWriter w(buffer);
    FieldWriter fields(w);
    for (const Animal* a = first; a != last; ++a)
        visitFields(fields, *a);
    w.finish();
    return bytes;
}

bool write(QIODevice& device, qint32 count, const std::vector<QByteArray>& encodedAnimals, const PrintSettings& print,
           const BreederData& breeder)
{
    ByteWriter w(device);
    FieldWriter fields(w);
    w.writeI32(kFormatVersion);
    w.writeI32(count);
    for (const QByteArray& records : encodedAnimals) {
        w.writeBytes(records.constData(), records.size());
        if (!w.ok())
            return false;
    }
    visitStockTail(fields, print, breeder);
    return w.finish();
}

} // namespace StockFile
