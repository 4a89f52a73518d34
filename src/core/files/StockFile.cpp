#include "core/files/StockFile.h"

#include "core/files/FieldReader.h"
#include "core/files/FieldWriter.h"

namespace StockFile {

qsizetype minimumAnimalSize()
{
    return minimumSize<Animal>();
}

ReadResult read(QByteArrayView bytes, Database& db)
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
            r.fail(QStringLiteral("negative Anzahl %1").arg(count));
    }
    if (r.ok()) {
        // Never trust the count for the allocation: the bytes left bound it.
        db.animals.reserve(static_cast<size_t>(qMin<qsizetype>(count, r.remaining() / minimumAnimalSize())));
        for (qint32 i = 0; i < count && r.ok(); ++i) {
            Animal animal;
            FieldReader fields(r);
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

bool write(QIODevice& device, const Database& db)
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

} // namespace StockFile
