#include "support/FileBytes.h"

#include <QtEndian>

#include <cstring>

FileBytes& FileBytes::i32(qint32 value)
{
    char b[4];
    qToLittleEndian(value, b);
    bytes.append(b, 4);
    return *this;
}

FileBytes& FileBytes::u8(quint8 value)
{
    bytes.append(static_cast<char>(value));
    return *this;
}

FileBytes& FileBytes::f64(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, 8);
    char b[8];
    qToLittleEndian(bits, b);
    bytes.append(b, 8);
    return *this;
}

FileBytes& FileBytes::bounded(const QByteArray& chars, int maxLength, char fill)
{
    bytes.append(static_cast<char>(chars.size()));
    bytes.append(chars);
    bytes.append(QByteArray(maxLength - chars.size(), fill));
    return *this;
}

FileBytes& FileBytes::counted(const QByteArray& chars)
{
    i32(static_cast<qint32>(chars.size()));
    bytes.append(chars);
    return *this;
}

namespace {

struct Animal
{
    QByteArray ring;
    qint32 sex;
    qint32 year;
    QByteArray breeder, colour, markings, breed, father, mother;
    quint8 active, listedMark, sold;
    qint32 reserved[4];
    QByteArray remarks, listRemarks;
};

} // namespace

QByteArray SampleFiles::stock(bool onDisk, QList<qsizetype>* listedMarkOffsets)
{
    const char fill = onDisk ? '\xCC' : '\0';
    const Animal animals[kAnimals] = {
        {"DE-06165-2012-000123",
         1,
         2012,
         "M\xFCller",
         "gelb",
         "einfarbig",
         "Gloster",
         "",
         "",
         1,
         1,
         0,
         {7, -1, 0x12345678, 42},
         "Goldmedaille \x96 93 Pkt. Gr\xF6\xDF"
         "e, Preis 12 \x80",
         ""},
        {"AB-12",
         2,
         2013,
         "Stra\xDF"
         "er",
         "rot",
         "",
         "Timbrado",
         "DE-06165-2012-000123",
         "OLD-7",
         1,
         0,
         0,
         {0, 0, 0, 0},
         "",
         "f\xFCr die Liste"},
        {"OLD-7",
         2,
         2009,
         "Haas",
         "gr\xFCn",
         "gescheckt",
         "Timbrado",
         "P1",
         "P2",
         0,
         1,
         0,
         {0, 0, 0, 1},
         "tot",
         "\x80"},
        {"SOLD-1", 0, 0, "", "", "", "", "AB-12", "", 1, 0, 1, {0, 0, 0, 0}, "", ""},
    };
    FileBytes f;
    f.i32(100003).i32(kAnimals);
    for (const Animal& a : animals) {
        const bool deleted = a.active == 0;
        f.bounded(a.ring, 20, fill).i32(a.sex).i32(a.year);
        f.bounded(a.breeder, 30, fill).bounded(a.colour, 30, fill).bounded(a.markings, 30, fill);
        f.bounded(a.breed, 30, fill);
        // The program drops the parents of a deleted animal when it loads it.
        f.bounded(!onDisk && deleted ? QByteArray() : a.father, 20, fill);
        f.bounded(!onDisk && deleted ? QByteArray() : a.mother, 20, fill);
        f.u8(a.active);
        if (listedMarkOffsets)
            listedMarkOffsets->append(f.size());
        f.u8(a.listedMark).u8(a.sold);
        for (qint32 r : a.reserved)
            f.i32(r);
        f.counted(a.remarks).counted(a.listRemarks);
    }
    f.u8(1);
    const QByteArray breeder[7]
        = {"J\xF6rg", "Wei\xDF", "Am Bach 3", "12345 K\xF6ln", "0221 123456", "Z-4711", "V 08/15"};
    for (const QByteArray& text : breeder)
        f.bounded(text, 40, fill);
    f.u8(1).i32(1).i32(2).u8(0).i32(0x00112233).i32(0x00445566).i32(0x00778899);
    return f.bytes;
}

QByteArray SampleFiles::pairs(bool onDisk)
{
    const char fill = onDisk ? '\x5A' : '\0';
    FileBytes f;
    f.i32(2);
    // A pair with an unsaved clutch, a clutch of 12 young and one of 3 unringed eggs.
    f.bounded("DE-06165-2012-000123", 20, fill).bounded("AB-12", 20, fill).i32(7).f64(41703.0).i32(3);
    f.f64(0).f64(0).f64(0).i32(0).i32(0);
    f.f64(41710.0).f64(41715.0).f64(41716.0).i32(12).i32(12);
    for (int i = 0; i < 12; ++i) {
        const QByteArray ring = i % 3 == 2 ? QByteArray() : QByteArray("J-") + QByteArray::number(100 + i);
        f.bounded(ring, 20, fill).f64(ring.isEmpty() ? 0 : 41760.0 + i).f64(ring.isEmpty() ? 0 : 41729.5);
    }
    f.f64(41800.0).f64(41803.0).f64(41803.0).i32(3).i32(3);
    for (int i = 0; i < 3; ++i)
        f.bounded("", 20, fill).f64(0).f64(0);
    // A pair without clutches naming an animal that no longer exists.
    f.bounded("GONE-1", 20, fill)
        .bounded("\xC4"
                 "RGER",
                 20, fill)
        .i32(-1)
        .f64(0)
        .i32(0);
    return f.bytes;
}
