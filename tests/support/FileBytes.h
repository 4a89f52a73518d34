#pragma once

#include <QByteArray>
#include <QList>

// Builds a data file's bytes field by field as the file format lays them out, without
// any of the program's writers. Texts are given as Windows-1252 bytes.
class FileBytes
{
public:
    FileBytes& i32(qint32 value);
    FileBytes& u8(quint8 value);
    FileBytes& f64(double value);
    // Length byte, the characters, then `fill` up to maxLength.
    FileBytes& bounded(const QByteArray& chars, int maxLength, char fill = 0);
    FileBytes& counted(const QByteArray& chars);
    qsizetype size() const { return bytes.size(); }

    QByteArray bytes;
};

// A stock file and a pair file as a breeder's might look: umlauts, ß and €,
// a 20-character ring, a deleted animal with parents, reserved fields set,
// an unsaved clutch and one of 12 young.
struct SampleFiles
{
    // onDisk: the file as written by hand, with non-zero bytes past every
    // text's length. Otherwise the file as the program writes it back.
    static QByteArray stock(bool onDisk, QList<qsizetype>* listedMarkOffsets = nullptr);
    static QByteArray pairs(bool onDisk);
    static constexpr int kAnimals = 4;
};
