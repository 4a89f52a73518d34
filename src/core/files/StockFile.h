#pragma once

#include "core/model/StockData.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

// Byte layout of taubenstamm.dat: format version, the animals, then the
// breeder data and the print settings.
namespace StockFile {

inline constexpr qint32 kFormatVersion = 100003;

// The bytes of an animal with empty texts: the least an animal takes in the file.
qsizetype minimumAnimalSize();

enum class ReadStatus
{
    Complete,
    WrongVersion,
    Damaged, // what could be read is in the database
};

struct ReadResult
{
    ReadStatus status = ReadStatus::Complete;
    QString problem; // German, where and why reading stopped
    qint64 declaredCount = 0;
};

// Fills animals, breeder data and print settings. On damage the animals read
// so far (the last one perhaps without its remarks) stay, and settings not reached keep
// what they held. Deleted animals come back without parent links.
ReadResult read(QByteArrayView bytes, StockData& db);

// Reads from the open stock file only the animals with these rings and all
// their ancestors (every record of each ring reached, in file order, as the
// whole read would hold them), the breeder data and the print settings: one
// pass reads where each record starts and the bytes of its ring, and only
// the records asked for are decoded. None when the file is not whole in its
// structure: the whole read then finds and reports what is wrong.
std::optional<ReadResult> readAncestries(QIODevice& file, const QStringList& rings, StockData& db);

// Writes the whole stock; false when the device did not take every byte.
bool write(QIODevice& device, const StockData& db);

// The records of the animals [first, last) as the file holds them, one after the other.
QByteArray encodeAnimals(const Animal* first, const Animal* last);
// Writes the whole stock from its animal records encoded beforehand, in
// order: `count` animals in all. The same bytes as write().
bool write(QIODevice& device, qint32 count, const std::vector<QByteArray>& encodedAnimals, const PrintSettings& print,
           const BreederData& breeder);

} // namespace StockFile
