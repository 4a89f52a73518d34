#pragma once

#include "core/model/StockData.h"
#include "core/stock/OfferedValues.h"

#include <QStringList>

#include <vector>

// The rings that can get a certificate (active, unsold animals), alphabetical,
// kept up to date change by change: after a change only the animals it
// reached are taken out and put back in their places. The list is exactly
// pedigreeCandidates over the whole table.
class CandidateRings
{
public:
    const QStringList& rings(const AnimalTable& animals);
    // Goes up whenever the list's content changes.
    quint64 version() const { return m_version; }

    // After a change of the table.
    void follow(const AnimalTable& animals, const AnimalsReached& reached);
    void reset();

private:
    void build(const AnimalTable& animals);
    bool before(const AnimalTable& animals, qsizetype a, qsizetype b) const;

    bool m_built = false;
    std::vector<qsizetype> m_order; // the listed positions in the list's order
    std::vector<bool> m_listed; // per position
    std::vector<QString> m_listedRing; // per position, the ring it is listed with
    QStringList m_rings;
    bool m_ringsCurrent = false;
    quint64 m_version = 0;
};
