#pragma once

#include "core/genetics/AnimalGenes.h"
#include "core/model/Animal.h"

#include <QHash>

#include <unordered_map>

class RingIndex;

// What a bird's pedigree says of the recessive colour factors it may carry
// hidden. Proven: a parent shows the factor (a sex-linked one from the
// mother only to a son), or one of its young shows it. Likely: a parent
// carries it, or may, and the chance follows from Mendel's rules, 1/2 from
// one carrier, 2/3 from two, among young that do not show it. Birds whose
// ancestors carry nothing known are taken as free. What a bird shows is
// taken from the factors entered for it, and where none is entered, from
// its colour field ("Isabell" shows brown and agate).

struct FactorFinding
{
    int factor = -1;
    bool proven = false;
    double chance = 1.0; // of carrying it hidden; 1 when proven
    QString reason; // "Mutter braun", "Vater und Mutter spalterbig", "Junges „R“ opal"

    // "sicher spalterbig für braun: Mutter braun", "spalterbig für opal: 50 %, Vater spalterbig"
    QString text(const FactorTable& table) const;
};

class PedigreeReading
{
public:
    // `entered`: the factors entered per ring, as the records keep them.
    PedigreeReading(const AnimalTable& animals, const RingIndex& index, QHash<QString, FactorStates> entered,
                    const FactorTable& table = FactorTable::canary());

    const FactorTable& table() const { return m_table; }
    const AnimalTable& animals() const { return m_animals; }
    // The findings of an animal (table position), in table order of the factors.
    const std::vector<FactorFinding>& findings(qsizetype animal);
    // Every animal at once, parents first: for checking or exporting the whole stock.
    void readAll();

    FactorState entered(qsizetype animal, int factor) const;
    bool hasEntries(qsizetype animal) const
    {
        return animal >= 0 && m_known.contains(m_animals[size_t(animal)].ringNumber);
    }
    // Entered as visual (or double), or shown by the colour field where nothing is entered.
    bool shows(qsizetype animal, int factor) const;
    // The factors the colour field shows, as table indices.
    std::vector<int> shownByColour(qsizetype animal) const;

    // What the calculator takes: entered and shown factors, proven carriers
    // as carriers, likely ones at their chance when asked for, and the phase
    // of the linked loci where the mother tells it.
    AnimalFactors factorsOf(qsizetype animal, bool withLikely);
    // The place of a parent in the table, -1 for none.
    qsizetype parentOf(qsizetype animal, bool father) const;
    // The young with this parent that show the factor.
    std::vector<qsizetype> youngShowing(qsizetype animal, int factor);

private:
    struct Reading
    {
        std::vector<std::pair<int, double>> passes; // factor -> chance a gamete carries it, where not 0
        std::vector<FactorFinding> findings;
    };
    // The states entered for a bird, one bit per factor.
    struct Known
    {
        quint32 shown = 0; // visual or double
        quint32 carrier = 0;
        quint32 absent = 0;
    };
    // The young of a parent that show a recessive factor, and which factors they show.
    struct Young
    {
        std::vector<qsizetype> young;
        quint32 shownAsFather = 0;
        quint32 shownAsMother = 0;
    };

    Known known(qsizetype animal) const { return m_known.value(m_animals[size_t(animal)].ringNumber); }
    quint32 colourMask(qsizetype animal) const;
    quint32 shownMask(qsizetype animal) const;
    double passes(qsizetype animal, int factor) const;
    std::vector<std::pair<int, double>> passesOf(qsizetype animal, const std::vector<FactorFinding>& findings) const;
    void read(qsizetype animal);
    void readInOrder(const std::vector<qsizetype>& start);
    void buildYoungIndex();
    QString stateWord(qsizetype parent, int factor) const;

    const AnimalTable& m_animals;
    const RingIndex& m_index;
    QHash<QString, FactorStates> m_entered;
    const FactorTable& m_table;
    QHash<QString, Known> m_known; // by ring
    quint32 m_recessive = 0; // factors that can be carried hidden
    quint32 m_sexLinked = 0;
    std::vector<bool> m_done;
    std::unordered_map<qsizetype, Reading> m_readings; // only those with something to say
    mutable QHash<QString, quint32> m_colourCache;
    bool m_youngIndexed = false;
    QHash<QString, Young> m_youngShowing; // by the parent's ring
};
