#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The colour factors of the canary as the file colour-factors.json lists
// them, with their sources: loci, their alleles, which shows over which,
// which die in the egg, and the two sex-linked loci that are linked.

enum class Inheritance
{
    SexLinkedRecessive,
    AutosomalRecessive,
    AutosomalDominant,
    IncompleteDominant, // one copy and two look different
    NotSimple, // several genes: named and warned about, never calculated
};

// "geschlechtsgebunden rezessiv", "autosomal dominant", ...: as the table file writes it.
QString inheritanceWord(Inheritance inheritance);

// The table's German names of loci, factors, colours and inheritance, in
// the language of the texts being made; the list names every one of them.
QString shownColourFactorWord(const QString& german);
const std::vector<const char*>& colourFactorWords();
inline QString inheritanceText(Inheritance inheritance)
{
    return shownColourFactorWord(inheritanceWord(inheritance));
}

// One mutant allele: what the breeder enters and the calculator reports.
struct ColourFactor
{
    QString key; // "braun": its name in avelor-export and in the records
    QString name; // "braun", as a German sentence names it
    QString colourWord; // "Braun", as it stands in a colour name
    QString symbol;
    QStringList colourText; // lower-case words of the colour field that show it
    int locus = 0;
    int allele = 1; // at its locus, from 1; 0 is the wild type

    QString shownName() const { return shownColourFactorWord(name); }
    QString shownColourWord() const { return shownColourFactorWord(colourWord); }
};

struct ColourLocus
{
    QString key;
    QString name;
    Inheritance inheritance = Inheritance::AutosomalRecessive;
    std::vector<int> factors; // table index of allele k at [k - 1]
    std::vector<int> rank; // per allele, the wild type at [0]: higher shows over lower, equal ones together
    std::vector<bool> lethal; // per allele: two copies die in the egg
    QString source;
    QString note;

    QString shownName() const { return shownColourFactorWord(name); }
    bool sexLinked() const { return inheritance == Inheritance::SexLinkedRecessive; }
    bool dominant() const
    {
        return inheritance == Inheritance::AutosomalDominant || inheritance == Inheritance::IncompleteDominant;
    }
    bool simple() const { return inheritance != Inheritance::NotSimple; }
};

class FactorTable
{
public:
    // The table built into the program.
    static const FactorTable& canary();
    static std::optional<FactorTable> fromJson(const QByteArray& json, QString& problem);

    const std::vector<ColourLocus>& loci() const { return m_loci; }
    const std::vector<ColourFactor>& factors() const { return m_factors; }
    const ColourFactor& factor(int index) const { return m_factors[size_t(index)]; }
    const ColourLocus& locusOf(int factor) const { return m_loci[size_t(m_factors[size_t(factor)].locus)]; }
    // The table index of a factor's key, -1 when there is none.
    int find(const QString& key) const;
    // The keys the calculator takes, in table order, comma-separated.
    QString calculatedKeys() const;

    // Loci inherited as one: the linked sex-linked pair, every other simple locus alone.
    const std::vector<std::vector<int>>& blocks() const { return m_blocks; }
    const std::vector<int>& linkedLoci() const { return m_linked; }
    double crossover() const { return m_crossover; }

    // "Schwarz", "Isabell", ...: the melanin series of the visual alleles of the linked loci, as shown.
    QString melaninName(const QStringList& visualKeys) const;
    QString source(const QString& id) const;

private:
    std::vector<ColourLocus> m_loci;
    std::vector<ColourFactor> m_factors;
    std::vector<std::vector<int>> m_blocks;
    std::vector<int> m_linked;
    double m_crossover = 0.5;
    std::vector<std::pair<QString, QString>> m_melaninNames; // visual keys joined by ',' -> name
    std::vector<std::pair<QString, QString>> m_sources;
};
