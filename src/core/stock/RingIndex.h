#pragma once

#include "core/model/Animal.h"

#include <QHash>

// Ring number -> the last record in table order that has it (deleted records
// included), and the last active one. Built once for a table; the stock
// document drops it whenever the table changes.
class RingIndex
{
public:
    explicit RingIndex(const AnimalTable& animals);

    // Position of the last record with exactly this ring, or -1.
    qsizetype lastWith(const QString& ring) const { return m_entries.value(ring).last; }
    // Position of the last active record with exactly this ring, or -1.
    qsizetype lastActiveWith(const QString& ring) const { return m_entries.value(ring).lastActive; }

private:
    struct Entry
    {
        qsizetype last = -1;
        qsizetype lastActive = -1;
    };
    QHash<QString, Entry> m_entries;
};
