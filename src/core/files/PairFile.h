#pragma once

#include "core/model/StockData.h"

#include <QByteArrayView>
#include <QString>

class QIODevice;

// Byte layout of zuchtpaare.dat: pairs, their clutches and young.
namespace PairFile {

struct ReadResult
{
    bool complete = true;
    QString problem; // German, where and why reading stopped
};

// Replaces pairs by the file's pairs. On damage, pairs holds what was read.
ReadResult read(QByteArrayView bytes, PairTable& pairs);

bool write(QIODevice& device, const PairTable& pairs);

} // namespace PairFile
