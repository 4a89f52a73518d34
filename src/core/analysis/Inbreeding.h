#pragma once

#include "core/model/Animal.h"
#include "core/stock/PedigreeOrder.h"

#include <QString>

#include <vector>

class RingIndex;

// Wright's inbreeding coefficient F over the known pedigree, by the method of
// Meuwissen and Luo: exact, without walking paths, so deep pedigrees stay
// quick. Unknown parents are founders. Parents are found as the certificate
// finds them: the last record with the ring, deleted records too.
struct Inbreeding
{
    double coefficient = 0.0;
    bool cycleCut = false; // an animal was its own ancestor; that link was left out

    // "12,5 %", German.
    QString percent() const;
};

class InbreedingCalculator
{
public:
    InbreedingCalculator(const AnimalTable& animals, const RingIndex& index);

    // F of the animal at a table position.
    Inbreeding of(qsizetype animal) const;
    // F of the young a cock and a hen would have; a ring no animal has counts as unknown.
    Inbreeding ofPair(const QString& cockRing, const QString& henRing) const;
    // F of every animal in table order.
    std::vector<double> all(bool* cycleCut = nullptr) const;

private:
    // Meuwissen and Luo over a pedigree in which parents come first.
    static std::vector<double> coefficients(const std::vector<ParentPlaces>& parents);

    const AnimalTable& m_animals;
    const RingIndex& m_index;
};
