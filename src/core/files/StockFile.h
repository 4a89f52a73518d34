#pragma once

#include "core/model/StockData.h"

#include <QByteArrayView>
#include <QString>

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

// Writes the whole stock; false when the device did not take every byte.
bool write(QIODevice& device, const StockData& db);

} // namespace StockFile
