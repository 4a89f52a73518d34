#pragma once

#include "core/model/Database.h"

#include <QHash>

// Ring number -> the last record in table order that has it, deleted records
// included. Built on first use and kept until the stock changes: call
// invalidate() after rings are edited; appends and re-sorts are noticed by
// the table's size and storage, and a hit that no longer matches rebuilds it.
class RingIndex
{
public:
    qsizetype lastWith(const AnimalTable& animals, const QString& ring);
    void invalidate() { m_valid = false; }

private:
    void rebuild(const AnimalTable& animals);

    QHash<QString, qsizetype> m_last;
    const Animal* m_data = nullptr;
    size_t m_size = 0;
    bool m_valid = false;
};
