#pragma once

#include "core/model/Animal.h"

#include <vector>

// Ring number -> the last record in table order that has it (deleted records
// included), and the last active one; each record leads to the one before it
// with the same ring. Built once for a table in one pass (an
// open-addressing table of positions, no allocation per ring); the stock
// document drops it whenever the table changes. The table must outlive it.
class RingIndex
{
public:
    explicit RingIndex(const AnimalTable& animals);

    // Position of the last record with exactly this ring, or -1.
    qsizetype lastWith(const QString& ring) const;
    // Position of the last active record with exactly this ring, or -1.
    qsizetype lastActiveWith(const QString& ring) const;
    // Positions of every active record with exactly this ring, in table order.
    std::vector<size_t> activeWith(const QString& ring) const;
    // Takes in records appended to the table since, from `first` on. False
    // when the table would grow too full: the index must then be made anew.
    bool addAppended(size_t first);

private:
    struct Slot
    {
        quint32 hash = 0;
        qint32 last = -1; // -1: an empty slot
        qint32 lastActive = -1;
    };
    const Slot* find(const QString& ring) const;
    void insert(size_t position, quint32 hash);

    const AnimalTable& m_animals;
    std::vector<Slot> m_slots;
    std::vector<qint32> m_earlier; // per position, the one before it with the same ring, or -1
    quint32 m_mask = 0;
    size_t m_used = 0;
};
