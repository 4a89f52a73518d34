#include "core/genetics/AnimalGenes.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

struct LocusOption
{
    AllelePair pair;
    double weight = 1.0;
};

// What the states say about one locus, by allele number.
struct LocusFacts
{
    std::vector<int> visual;
    std::vector<int> hidden;
    std::vector<int> twice;
    std::vector<std::pair<int, double>> likely;
};

LocusFacts factsAt(const FactorTable& table, const ColourLocus& locus, const AnimalFactors& animal)
{
    LocusFacts facts;
    for (int factor : locus.factors) {
        const int allele = table.factor(factor).allele;
        switch (animal.state(factor)) {
        case FactorState::Visual:
            facts.visual.push_back(allele);
            break;
        case FactorState::DoubleFactor:
            facts.twice.push_back(allele);
            break;
        case FactorState::Carrier:
            facts.hidden.push_back(allele);
            break;
        case FactorState::Unknown:
            if (!animal.likely.empty() && animal.likely[size_t(factor)] > 0)
                facts.likely.emplace_back(allele, animal.likely[size_t(factor)]);
            break;
        case FactorState::Absent:
            break;
        }
    }
    return facts;
}

QString nameOf(const FactorTable& table, const ColourLocus& locus, int allele)
{
    return table.factor(locus.factors[size_t(allele) - 1]).shownName();
}

std::optional<std::vector<LocusOption>> dominantLocus(const FactorTable& table, const ColourLocus& locus,
                                                      const LocusFacts& facts, QString& problem)
{
    if (!facts.hidden.empty()) {
        problem = QCoreApplication::translate(
                      "AnimalGenes", "%1 ist dominant und zeigt sich immer; verdeckt tragen kann es kein Vogel.")
                      .arg(nameOf(table, locus, facts.hidden.front()));
        return std::nullopt;
    }
    std::vector<int> copies = facts.visual;
    for (int allele : facts.twice)
        copies.insert(copies.end(), {allele, allele});
    if (copies.size() > 2) {
        problem = QCoreApplication::translate("AnimalGenes", "%1: an einem Genort hat ein Vogel nur zwei Anlagen.")
                      .arg(locus.shownName());
        return std::nullopt;
    }
    copies.resize(2, 0);
    return std::vector<LocusOption> {{{quint8(copies[0]), quint8(copies[1])}, 1.0}};
}

std::optional<std::vector<LocusOption>> recessiveLocus(const FactorTable& table, const ColourLocus& locus,
                                                       const AnimalFactors& animal, LocusFacts facts, QString& problem)
{
    const auto name = [&](int allele) {
        return nameOf(table, locus, allele);
    };
    if (!facts.twice.empty()) {
        problem = QCoreApplication::translate("AnimalGenes",
                                              "„doppelfaktorig“ gibt es nur bei dominanten Anlagen, nicht bei %1.")
                      .arg(name(facts.twice.front()));
        return std::nullopt;
    }
    if (!animal.male && locus.sexLinked()) {
        if (!facts.hidden.empty()) {
            problem
                = QCoreApplication::translate(
                      "AnimalGenes", "Eine Henne kann %1 nicht verdeckt tragen: es wird geschlechtsgebunden vererbt.")
                      .arg(name(facts.hidden.front()));
            return std::nullopt;
        }
        if (facts.visual.size() > 1) {
            problem = QCoreApplication::translate(
                          "AnimalGenes",
                          "Eine Henne zeigt %1 und %2 nicht zugleich: beide liegen am selben Genort ihres "
                          "einen Z-Chromosoms.")
                          .arg(name(facts.visual[0]), name(facts.visual[1]));
            return std::nullopt;
        }
        const quint8 shown = facts.visual.empty() ? 0 : quint8(facts.visual.front());
        return std::vector<LocusOption> {{{shown, kNoZ}, 1.0}};
    }
    if (facts.visual.size() + facts.hidden.size() > 2 || facts.hidden.size() > 1
        || (facts.visual.size() == 2 && locus.rank[size_t(facts.visual[0])] != locus.rank[size_t(facts.visual[1])])) {
        QStringList names;
        for (int allele : facts.visual)
            names << name(allele);
        for (int allele : facts.hidden)
            names << QLatin1Char('/') + name(allele);
        problem = QCoreApplication::translate(
                      "AnimalGenes",
                      "%1 liegen am selben Genort; ein Vogel hat dort nur zwei Anlagen, und sichtbar ist "
                      "nur die stärkere (etwa „achat,/satinet“).")
                      .arg(names.join(QStringLiteral(", ")));
        return std::nullopt;
    }
    if (facts.visual.size() == 2)
        return std::vector<LocusOption> {{{quint8(facts.visual[0]), quint8(facts.visual[1])}, 1.0}};
    if (facts.visual.size() == 1) {
        const int shown = facts.visual.front();
        if (facts.hidden.empty())
            return std::vector<LocusOption> {{{quint8(shown), quint8(shown)}, 1.0}};
        const int hidden = facts.hidden.front();
        if (locus.rank[size_t(hidden)] >= locus.rank[size_t(shown)]) {
            problem = QCoreApplication::translate("AnimalGenes", "Ein Vogel, der %1 trägt, zeigt nicht %2.")
                          .arg(name(hidden), name(shown));
            return std::nullopt;
        }
        return std::vector<LocusOption> {{{quint8(shown), quint8(hidden)}, 1.0}};
    }
    if (!facts.hidden.empty())
        return std::vector<LocusOption> {{{0, quint8(facts.hidden.front())}, 1.0}};
    // Carried only possibly: each likely allele at its chance, the rest free of it.
    std::vector<LocusOption> options;
    double rest = 1.0;
    for (const auto& [allele, chance] : facts.likely) {
        const double weight = std::min(chance, rest);
        options.push_back({{0, quint8(allele)}, weight});
        rest -= weight;
    }
    if (rest > 0)
        options.push_back({{0, 0}, rest});
    return options;
}

bool heterozygous(const AllelePair& p)
{
    return p.second != kNoZ && p.first != p.second;
}

} // namespace

AnimalFactors AnimalFactors::none(const FactorTable& table, bool male)
{
    AnimalFactors animal;
    animal.male = male;
    animal.states.assign(table.factors().size(), FactorState::Unknown);
    animal.likely.assign(table.factors().size(), 0.0);
    return animal;
}

std::optional<AnimalGenes> genesOf(const FactorTable& table, const AnimalFactors& animal, QString& problem)
{
    AnimalGenes genes;
    genes.male = animal.male;
    for (const ColourLocus& locus : table.loci()) {
        if (locus.simple())
            continue;
        for (int factor : locus.factors)
            if (animal.state(factor) != FactorState::Unknown && animal.state(factor) != FactorState::Absent)
                genes.notSimple << table.factor(factor).shownName();
    }
    for (const std::vector<int>& block : table.blocks()) {
        std::vector<std::vector<LocusOption>> perLocus;
        for (int l : block) {
            const ColourLocus& locus = table.loci()[size_t(l)];
            const LocusFacts facts = factsAt(table, locus, animal);
            genes.likelyTaken = genes.likelyTaken || !facts.likely.empty();
            std::optional<std::vector<LocusOption>> options = locus.dominant()
                ? dominantLocus(table, locus, facts, problem)
                : recessiveLocus(table, locus, animal, facts, problem);
            if (!options)
                return std::nullopt;
            perLocus.push_back(std::move(*options));
        }
        std::vector<BlockGenotype> genotypes;
        if (perLocus.size() == 1) {
            for (const LocusOption& o : perLocus[0])
                genotypes.push_back({{o.pair, AllelePair {}}, o.weight});
        } else {
            // The hidden alleles were put on the second Z: together, as coupled. In
            // repulsion the second locus turns round.
            for (const LocusOption& a : perLocus[0]) {
                for (const LocusOption& b : perLocus[1]) {
                    const AllelePair turned {b.pair.second, b.pair.first};
                    const double weight = a.weight * b.weight;
                    if (!animal.male || !heterozygous(a.pair) || !heterozygous(b.pair)
                        || animal.phase == LinkagePhase::Coupled) {
                        genotypes.push_back({{a.pair, b.pair}, weight});
                    } else if (animal.phase == LinkagePhase::Repulsion) {
                        genotypes.push_back({{a.pair, turned}, weight});
                    } else {
                        genotypes.push_back({{a.pair, b.pair}, weight / 2});
                        genotypes.push_back({{a.pair, turned}, weight / 2});
                        const ColourLocus& first = table.loci()[size_t(block[0])];
                        const ColourLocus& second = table.loci()[size_t(block[1])];
                        genes.unknownPhase
                            = QCoreApplication::translate("AnimalGenes", "%1 und %2")
                                  .arg(nameOf(table, first, a.pair.second), nameOf(table, second, b.pair.second));
                    }
                }
            }
        }
        genes.blocks.push_back(std::move(genotypes));
    }
    return genes;
}

QString writtenFactors(const FactorTable& table, const FactorStates& factors)
{
    QStringList words;
    for (const ColourFactor& factor : table.factors()) {
        const auto it = factors.find(factor.key);
        if (it == factors.end())
            continue;
        switch (it->second) {
        case FactorState::Visual:
            words << factor.key;
            break;
        case FactorState::DoubleFactor:
            words << factor.key << factor.key;
            break;
        case FactorState::Carrier:
            words << QLatin1Char('/') + factor.key;
            break;
        case FactorState::Absent:
            words << QStringLiteral("ohne ") + factor.key;
            break;
        case FactorState::Unknown:
            break;
        }
    }
    return words.join(QStringLiteral(", "));
}

std::optional<FactorStates> readWrittenFactors(const FactorTable& table, const QString& text, QString& problem)
{
    FactorStates states;
    for (const QString& word : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        QString key = word.trimmed().toLower();
        if (key.isEmpty())
            continue;
        FactorState state = FactorState::Visual;
        if (key.startsWith(QLatin1Char('/'))) {
            state = FactorState::Carrier;
            key = key.mid(1).trimmed();
        } else if (key.startsWith(QLatin1String("ohne "))) {
            state = FactorState::Absent;
            key = key.mid(5).trimmed();
        }
        if (table.find(key) < 0) {
            problem = QCoreApplication::translate("AnimalGenes", "„%1“ ist keine Erbanlage der Farbtabelle.")
                          .arg(word.trimmed());
            return std::nullopt;
        }
        // A visual factor written twice is a double factor, as writtenFactors writes it.
        const auto [it, added] = states.emplace(key, state);
        if (!added) {
            if (it->second != FactorState::Visual || state != FactorState::Visual) {
                problem = QCoreApplication::translate("AnimalGenes", "„%1“ steht zweimal in den Erbanlagen.").arg(key);
                return std::nullopt;
            }
            it->second = FactorState::DoubleFactor;
        }
    }
    return states;
}

std::optional<AnimalFactors> parseFactors(const FactorTable& table, bool male, const QString& spec, QString& problem)
{
    AnimalFactors animal = AnimalFactors::none(table, male);
    std::vector<int> group(table.factors().size(), -1); // the "+" group a hidden factor was written in
    std::vector<int> visible(table.factors().size(), 0); // how often each was written as visible
    std::vector<bool> carried(table.factors().size(), false); // written hidden
    int groups = 0;
    for (const QString& word : spec.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        QString token = word.trimmed();
        if (token.isEmpty())
            continue;
        const bool hidden = token.startsWith(QLatin1Char('/'));
        if (hidden)
            token.remove(0, 1);
        ++groups;
        for (const QString& part : token.split(QLatin1Char('+'))) {
            const QString key = part.trimmed().toLower();
            if (key.isEmpty()) {
                problem = QCoreApplication::translate("AnimalGenes", "In „%1“ fehlt der Name einer Anlage.")
                              .arg(word.trimmed());
                return std::nullopt;
            }
            const int factor = table.find(key);
            if (factor < 0 || !table.locusOf(factor).simple()) {
                problem = QCoreApplication::translate("AnimalGenes", "Unbekannte Anlage „%1“. Bekannt sind: %2.")
                              .arg(part.trimmed(), table.calculatedKeys());
                return std::nullopt;
            }
            const ColourLocus& locus = table.locusOf(factor);
            FactorState& state = animal.states[size_t(factor)];
            if (hidden ? visible[size_t(factor)] > 0 : carried[size_t(factor)]) {
                problem
                    = QCoreApplication::translate("AnimalGenes", "„%1“ ist zugleich sichtbar und spalterbig angegeben.")
                          .arg(key);
                return std::nullopt;
            }
            if (hidden && carried[size_t(factor)]) {
                problem = QCoreApplication::translate("AnimalGenes", "„%1“ ist doppelt angegeben.").arg(key);
                return std::nullopt;
            }
            // Twice is two copies: a double factor of a dominant one, the visual bird of a recessive one.
            if (visible[size_t(factor)] >= 2) {
                problem = QCoreApplication::translate("AnimalGenes", "„%1“ ist mehr als zweimal angegeben.").arg(key);
                return std::nullopt;
            }
            if (hidden) {
                carried[size_t(factor)] = true;
                state = FactorState::Carrier;
                group[size_t(factor)] = groups;
            } else {
                const bool twice = ++visible[size_t(factor)] == 2;
                state = twice && locus.dominant() ? FactorState::DoubleFactor : FactorState::Visual;
                if (state == FactorState::DoubleFactor && locus.lethal[size_t(table.factor(factor).allele)]) {
                    problem = QCoreApplication::translate(
                                  "AnimalGenes",
                                  "Doppelfaktorig %1 ist nicht lebensfähig; ein solcher Vogel kann kein "
                                  "Elterntier sein.")
                                  .arg(table.factor(factor).shownName());
                    return std::nullopt;
                }
            }
        }
    }
    // Hidden alleles at both linked loci: written joined, they lie on one Z.
    std::vector<int> hiddenGroups;
    for (int l : table.linkedLoci())
        for (int factor : table.loci()[size_t(l)].factors)
            if (animal.state(factor) == FactorState::Carrier)
                hiddenGroups.push_back(group[size_t(factor)]);
    if (hiddenGroups.size() == 2)
        animal.phase = hiddenGroups[0] == hiddenGroups[1] ? LinkagePhase::Coupled : LinkagePhase::Repulsion;
    return animal;
}
