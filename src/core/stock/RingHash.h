#pragma once

#include <QString>

// FNV-1a over a ring's characters: ring numbers are short, and this is several
// times cheaper than the general string hash. Shared by the ring indexes.
inline quint32 ringHash(const QString& ring)
{
    quint32 h = 2166136261u;
    for (const QChar c : ring) {
        h ^= c.unicode();
        h *= 16777619u;
    }
    return h ^ (h >> 15);
}
