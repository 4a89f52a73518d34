#include "core/files/StockFile.h"

#include "core/files/FieldReader.h"
#include "core/files/FieldWriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <thread>

namespace {

// Below this many animals one thread reads them as fast.
constexpr qint32 kParallelFrom = 20000;

// Where each animal record starts, found without decoding it: a fixed part,
// then two counted texts. Empty when the bytes do not hold `count` whole
// records; the careful reading then finds and reports what is wrong.
std::vector<qsizetype> recordStarts(QByteArrayView bytes, qsizetype pos, qint32 count)
{
    const qsizetype fixed = minimumSize<Animal>() - 8; // without the two counts
    // A count the bytes left cannot hold is never allocated for.
    if (count > (bytes.size() - pos) / minimumSize<Animal>())
        return {};
    std::vector<qsizetype> starts;
    starts.reserve(size_t(count) + 1);
    for (qint32 i = 0; i < count; ++i) {
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

// Decodes the animals [first, last); false when a field is off.
bool decodeAnimals(QByteArrayView bytes, const std::vector<qsizetype>& starts, size_t first, size_t last,
                   AnimalTable& animals)
{
    ByteReader r(bytes.data() + starts[first], starts[last] - starts[first]);
    TextCache shared;
    for (size_t i = first; i < last && r.ok(); ++i) {
        FieldReader fields(r, &shared);
        visitFields(fields, animals[i]);
    }
    return r.ok();
}

// Large stocks are decoded by several threads, each a part of the records.
// False (and nothing read) when a record is off: the careful reading follows.
bool readAnimalsInParallel(QByteArrayView bytes, ByteReader& r, qint32 count, AnimalTable& animals)
{
    const std::vector<qsizetype> starts = recordStarts(bytes, r.position(), count);
    if (starts.empty())
        return false;
    animals.resize(size_t(count));
    const size_t parts = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 8);
    std::vector<char> fine(parts, 0);
    std::vector<std::thread> helpers;
    for (size_t p = 1; p < parts; ++p)
        helpers.emplace_back(
            [&, p] { fine[p] = decodeAnimals(bytes, starts, count * p / parts, count * (p + 1) / parts, animals); });
    fine[0] = decodeAnimals(bytes, starts, 0, count / parts, animals);
    for (std::thread& helper : helpers)
        helper.join();
    if (std::find(fine.begin(), fine.end(), 0) != fine.end()) {
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
