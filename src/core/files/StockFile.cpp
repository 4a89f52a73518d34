#include "core/files/StockFile.h"

#include "core/files/ByteReader.h"
#include "core/files/ByteWriter.h"

namespace {

// The fixed part of an animal, in file order.
bool readFixedPart(ByteReader& r, TTauben& a)
{
    return r.readBoundedText(a.RingNumber, kRingLength) && r.readI32(a.Sex) && r.readI32(a.BirthYear)
        && r.readBoundedText(a.Breeder, kAnimalTextLength) && r.readBoundedText(a.Colour, kAnimalTextLength)
        && r.readBoundedText(a.Markings, kAnimalTextLength) && r.readBoundedText(a.Breed, kAnimalTextLength)
        && r.readBoundedText(a.FatherRing, kRingLength) && r.readBoundedText(a.MotherRing, kRingLength)
        && r.readU8(a.Active) && r.readU8(a.ListedMark) && r.readU8(a.Sold) && r.readI32(a.Reserved1)
        && r.readI32(a.Reserved2) && r.readI32(a.Reserved3) && r.readI32(a.Reserved4);
}

void readTail(ByteReader& r, Database& db)
{
    BreederData& b = db.breeder;
    PrintSettings& p = db.print;
    r.readU8(p.PrintBirthYear) && r.readBoundedText(b.FirstName, kBreederDataLength)
        && r.readBoundedText(b.LastName, kBreederDataLength) && r.readBoundedText(b.Street, kBreederDataLength)
        && r.readBoundedText(b.PostcodeCity, kBreederDataLength) && r.readBoundedText(b.Phone, kBreederDataLength)
        && r.readBoundedText(b.BreederNumber, kBreederDataLength) && r.readBoundedText(b.ClubNumber, kBreederDataLength)
        && r.readU8(p.ShowBreeding) && r.readI32(p.StockListLayout) && r.readI32(p.TopRightContent)
        && r.readU8(p.ShowPrefixes) && r.readU32(p.MaleColour) && r.readU32(p.FemaleColour)
        && r.readU32(p.HeaderColour);
}

} // namespace

namespace StockFile {

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
        db.animals.reserve(static_cast<size_t>(qMin<qsizetype>(count, r.remaining() / kMinAnimalSize)));
        for (qint32 i = 0; i < count; ++i) {
            TTauben animal;
            if (!readFixedPart(r, animal))
                break;
            // An animal whose remarks are cut off is kept with what they held so far.
            r.readCountedText(animal.Remarks) && r.readCountedText(animal.ListRemarks);
            db.animals.push_back(std::move(animal));
            if (!r.ok())
                break;
        }
    }
    readTail(r, db);

    for (TTauben& a : db.animals) {
        if (a.Active == 0) {
            a.FatherRing.clear();
            a.MotherRing.clear();
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
    w.writeI32(kFormatVersion);
    w.writeI32(static_cast<qint32>(db.animals.size()));
    for (const TTauben& a : db.animals) {
        w.writeBoundedText(a.RingNumber, kRingLength);
        w.writeI32(a.Sex);
        w.writeI32(a.BirthYear);
        w.writeBoundedText(a.Breeder, kAnimalTextLength);
        w.writeBoundedText(a.Colour, kAnimalTextLength);
        w.writeBoundedText(a.Markings, kAnimalTextLength);
        w.writeBoundedText(a.Breed, kAnimalTextLength);
        w.writeBoundedText(a.FatherRing, kRingLength);
        w.writeBoundedText(a.MotherRing, kRingLength);
        w.writeU8(a.Active);
        w.writeU8(a.ListedMark);
        w.writeU8(a.Sold);
        w.writeI32(a.Reserved1);
        w.writeI32(a.Reserved2);
        w.writeI32(a.Reserved3);
        w.writeI32(a.Reserved4);
        w.writeCountedText(a.Remarks);
        w.writeCountedText(a.ListRemarks);
        if (!w.ok())
            return false;
    }
    const PrintSettings& p = db.print;
    const BreederData& b = db.breeder;
    w.writeU8(p.PrintBirthYear);
    for (const QString* text :
         {&b.FirstName, &b.LastName, &b.Street, &b.PostcodeCity, &b.Phone, &b.BreederNumber, &b.ClubNumber})
        w.writeBoundedText(*text, kBreederDataLength);
    w.writeU8(p.ShowBreeding);
    w.writeI32(p.StockListLayout);
    w.writeI32(p.TopRightContent);
    w.writeU8(p.ShowPrefixes);
    w.writeU32(p.MaleColour);
    w.writeU32(p.FemaleColour);
    w.writeU32(p.HeaderColour);
    return w.finish();
}

} // namespace StockFile
