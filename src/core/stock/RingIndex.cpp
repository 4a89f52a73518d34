#include "core/stock/RingIndex.h"

#include "core/stock/RingHash.h"

#include <algorithm>

RingIndex::RingIndex(const AnimalTable& animals) : m_animals(animals)
{
    size_t capacity = 16;
    while (capacity < animals.size() * 2)
        capacity *= 2;
    m_slots.resize(capacity);
    m_mask = quint32(capacity - 1);
    m_earlier.resize(animals.size());
    // The hashes first, so that each insert finds the slot of a ring a few
    // places ahead already on its way from memory: a large stock's table is
    // far larger than the caches, and waiting for each slot in turn was most
    // of the build.
    std::vector<quint32> hashes(animals.size());
    for (size_t i = 0; i < animals.size(); ++i)
        hashes[i] = ringHash(animals[i].ringNumber);
    constexpr size_t kAhead = 8;
    for (size_t i = 0; i < animals.size(); ++i) {
        if (i + kAhead < animals.size())
            __builtin_prefetch(&m_slots[hashes[i + kAhead] & m_mask]);
        insert(i, hashes[i]);
    }
}

void RingIndex::insert(size_t position, quint32 hash)
{
    const QString& ring = m_animals[position].ringNumber;
    for (quint32 s = hash & m_mask;; s = (s + 1) & m_mask) {
        Slot& slot = m_slots[s];
        if (slot.last < 0 || (slot.hash == hash && m_animals[size_t(slot.last)].ringNumber == ring)) {
            m_used += slot.last < 0;
            m_earlier[position] = slot.last;
            slot.hash = hash;
            slot.last = qint32(position);
            if (m_animals[position].isActive())
                slot.lastActive = qint32(position);
            return;
        }
    }
}

bool RingIndex::addAppended(size_t first)
{
    if (m_animals.size() * 2 > m_slots.size())
        return false; // past half full the probes grow long
    m_earlier.resize(m_animals.size());
    for (size_t i = first; i < m_animals.size(); ++i)
        insert(i, ringHash(m_animals[i].ringNumber));
    return true;
}

const RingIndex::Slot* RingIndex::find(const QString& ring) const
{
    const quint32 hash = ringHash(ring);
    for (quint32 s = hash & m_mask;; s = (s + 1) & m_mask) {
        const Slot& slot = m_slots[s];
        if (slot.last < 0)
            return nullptr;
        if (slot.hash == hash && m_animals[size_t(slot.last)].ringNumber == ring)
            return &slot;
    }
}

qsizetype RingIndex::lastWith(const QString& ring) const
{
    const Slot* slot = find(ring);
    return slot ? slot->last : -1;
}

qsizetype RingIndex::lastActiveWith(const QString& ring) const
{
    const Slot* slot = find(ring);
    return slot ? slot->lastActive : -1;
}

std::vector<size_t> RingIndex::activeWith(const QString& ring) const
{
    std::vector<size_t> found;
    if (const Slot* slot = find(ring)) {
        for (qint32 p = slot->last; p >= 0; p = m_earlier[size_t(p)]) {
            if (m_animals[size_t(p)].isActive())
                found.push_back(size_t(p));
        }
    }
    std::reverse(found.begin(), found.end());
    return found;
}
