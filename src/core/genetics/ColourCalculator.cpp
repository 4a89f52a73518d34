#include "core/genetics/ColourCalculator.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {

using Haplotype = std::array<quint8, 2>; // the alleles one gamete carries at a block's loci

struct Gamete
{
    Haplotype alleles {};
    double weight = 0.0;
};

struct Outcome
{
    std::array<AllelePair, 2> loci {};
    double weight = 0.0;
};

// How one block of a young looks: keys and words in table order.
struct BlockLook
{
    QStringList visual;
    QStringList carried;
    QStringList colourWords;
    double weight = 0.0;
};

template<typename T, typename Same> void addMerged(std::vector<T>& list, T item, Same same)
{
    const auto it = std::find_if(list.begin(), list.end(), [&](const T& x) { return same(x, item); });
    if (it == list.end())
        list.push_back(std::move(item));
    else
        it->weight += item.weight;
}

std::vector<Gamete> gametes(const AnimalGenes& animal, size_t block, size_t loci, bool sexLinked, double crossover)
{
    std::vector<Gamete> result;
    const auto add = [&result](Haplotype h, double w) {
        if (w > 0)
            addMerged(result, Gamete {h, w}, [](const Gamete& a, const Gamete& b) { return a.alleles == b.alleles; });
    };
    for (const BlockGenotype& g : animal.blocks[block]) {
        const Haplotype first {g.loci[0].first, g.loci[1].first};
        const Haplotype second {g.loci[0].second, g.loci[1].second};
        if (sexLinked && !animal.male) {
            add(first, g.weight); // her one Z, to her sons
        } else if (loci == 2) {
            add(first, g.weight * (1 - crossover) / 2);
            add(second, g.weight * (1 - crossover) / 2);
            add({first[0], second[1]}, g.weight * crossover / 2);
            add({second[0], first[1]}, g.weight * crossover / 2);
        } else {
            add(first, g.weight / 2);
            add(second, g.weight / 2);
        }
    }
    return result;
}

// The young's genotypes at one block, lethal ones left out (their weight in `dead`).
std::vector<Outcome> outcomes(const FactorTable& table, const std::vector<int>& block,
                              const std::vector<Gamete>& father, const std::vector<Gamete>& mother, bool sexLinked,
                              bool son, double& dead)
{
    std::vector<Outcome> result;
    for (const Gamete& f : father) {
        for (const Gamete& m : mother) {
            Outcome o;
            o.weight = f.weight * m.weight;
            bool lethal = false;
            for (size_t i = 0; i < block.size(); ++i) {
                const quint8 fromMother = sexLinked && !son ? kNoZ : m.alleles[i];
                o.loci[i] = {f.alleles[i], fromMother};
                const std::vector<bool>& dies = table.loci()[size_t(block[i])].lethal;
                lethal = lethal || (o.loci[i].first == o.loci[i].second && dies[o.loci[i].first]);
            }
            // The same genotype whichever chromosome came from whom.
            if (block.size() == 1 && o.loci[0].second != kNoZ && o.loci[0].first > o.loci[0].second)
                std::swap(o.loci[0].first, o.loci[0].second);
            if (block.size() == 2 && o.loci[0].second != kNoZ
                && Haplotype {o.loci[0].first, o.loci[1].first} > Haplotype {o.loci[0].second, o.loci[1].second}) {
                std::swap(o.loci[0].first, o.loci[0].second);
                std::swap(o.loci[1].first, o.loci[1].second);
            }
            if (lethal)
                dead += o.weight;
            else
                addMerged(result, o, [](const Outcome& a, const Outcome& b) { return a.loci == b.loci; });
        }
    }
    return result;
}

QString keyOf(const FactorTable& table, const ColourLocus& locus, quint8 allele)
{
    return table.factor(locus.factors[size_t(allele) - 1]).key;
}

BlockLook look(const FactorTable& table, const std::vector<int>& block, const Outcome& o)
{
    BlockLook look;
    look.weight = o.weight;
    std::array<QStringList, 2> hiddenOn; // per Z: the hidden alleles it carries
    bool melanin = false;
    for (size_t i = 0; i < block.size(); ++i) {
        const ColourLocus& locus = table.loci()[size_t(block[i])];
        const AllelePair p = o.loci[i];
        const auto word = [&](quint8 allele) {
            return table.factor(locus.factors[size_t(allele) - 1]).shownColourWord();
        };
        melanin = melanin
            || table.linkedLoci().end() != std::find(table.linkedLoci().begin(), table.linkedLoci().end(), block[i]);
        if (locus.dominant()) {
            const int copies = (p.first != 0) + (p.second != 0);
            for (quint8 allele : {p.first, p.second})
                if (allele != 0)
                    look.visual << keyOf(table, locus, allele);
            if (copies > 0) {
                const quint8 allele = std::max(p.first, p.second);
                QString w = word(allele);
                if (locus.inheritance == Inheritance::IncompleteDominant)
                    //: %1 is a colour word
                    w = copies == 2 ? QCoreApplication::translate("ColourCalculator", "%1 doppelfaktorig").arg(w)
                                    : QCoreApplication::translate("ColourCalculator", "%1 einfaktorig").arg(w);
                look.colourWords << w;
            }
            continue;
        }
        std::vector<quint8> shown;
        if (p.second == kNoZ || p.first == p.second) {
            if (p.first != 0)
                shown.push_back(p.first);
        } else if (locus.rank[p.first] == locus.rank[p.second]) {
            shown = {std::min(p.first, p.second), std::max(p.first, p.second)};
        } else {
            const bool firstShows = locus.rank[p.first] > locus.rank[p.second];
            const quint8 visible = firstShows ? p.first : p.second;
            if (visible != 0)
                shown.push_back(visible);
            hiddenOn[firstShows ? 1 : 0] << keyOf(table, locus, firstShows ? p.second : p.first);
        }
        for (quint8 allele : shown) {
            look.visual << keyOf(table, locus, allele);
            look.colourWords << word(allele);
        }
    }
    if (block.size() == 1) {
        look.carried = hiddenOn[0] + hiddenOn[1];
    } else {
        for (const QStringList& z : hiddenOn)
            if (!z.isEmpty())
                look.carried << z.join(QLatin1Char('+'));
        std::sort(look.carried.begin(), look.carried.end(), [&table](const QString& a, const QString& b) {
            return table.find(a.section(QLatin1Char('+'), 0, 0)) < table.find(b.section(QLatin1Char('+'), 0, 0));
        });
    }
    if (melanin) {
        const QString name = table.melaninName(look.visual);
        look.colourWords = {name.isEmpty() ? look.colourWords.join(QLatin1Char(' ')) : name};
    }
    return look;
}

// Every combination of the blocks' looks, one kind of young each: blocks
// hold different factors, so no two combinations look alike.
void addKinds(bool son, const std::vector<std::vector<BlockLook>>& looks, std::vector<YoungKind>& kinds, double& living)
{
    // A block with one look (nothing, or the same for all) adds no combinations; it is taken in once.
    size_t count = 1;
    for (const std::vector<BlockLook>& blockLooks : looks)
        count *= blockLooks.size(); // none at all where every young of this sex dies in the egg
    kinds.reserve(kinds.size() + count);
    std::vector<size_t> choice(looks.size(), 0); // mixed-radix counter over all blocks
    for (size_t n = 0; n < count; ++n) {
        YoungKind kind;
        kind.male = son;
        kind.share = 0.5;
        QStringList carried;
        QStringList words;
        for (size_t b = 0; b < looks.size(); ++b) {
            const BlockLook& l = looks[b][choice[b]];
            kind.share *= l.weight;
            kind.visual += l.visual;
            carried += l.carried;
            words += l.colourWords;
        }
        kind.carried = carried.join(QLatin1Char(','));
        kind.colour = words.join(QLatin1Char(' '));
        living += kind.share;
        kinds.push_back(std::move(kind));
        for (size_t b = looks.size(); b-- > 0;) {
            if (++choice[b] < looks[b].size())
                break;
            choice[b] = 0;
        }
    }
}

QString percent(double share)
{
    return QLocale(QLocale::German).toString(share * 100, 'f', 1) + QStringLiteral(" %");
}

} // namespace

ExpectedYoung expectedYoung(const FactorTable& table, const AnimalGenes& cock, const AnimalGenes& hen, double crossover)
{
    ExpectedYoung result;
    crossover = std::clamp(crossover, 0.0, 0.5);
    QStringList lethalNames;
    double living = 0.0;
    for (const bool son : {true, false}) {
        // The young of one sex, block by block: every combination of the blocks' outcomes.
        std::vector<std::vector<BlockLook>> looks;
        for (size_t b = 0; b < table.blocks().size(); ++b) {
            const std::vector<int>& block = table.blocks()[b];
            const bool sexLinked = table.loci()[size_t(block[0])].sexLinked();
            double dead = 0.0;
            const std::vector<Outcome> young
                = outcomes(table, block, gametes(cock, b, block.size(), sexLinked, crossover),
                           gametes(hen, b, block.size(), sexLinked, crossover), sexLinked, son, dead);
            if (dead > 0)
                for (int l : block)
                    for (int factor : table.loci()[size_t(l)].factors)
                        if (table.loci()[size_t(l)].lethal[size_t(table.factor(factor).allele)]
                            && !lethalNames.contains(table.factor(factor).shownName()))
                            lethalNames << table.factor(factor).shownName();
            std::vector<BlockLook> blockLooks;
            for (const Outcome& o : young)
                addMerged(blockLooks, look(table, block, o), [](const BlockLook& a, const BlockLook& b) {
                    return a.visual == b.visual && a.carried == b.carried;
                });
            looks.push_back(std::move(blockLooks));
        }
        addKinds(son, looks, result.kinds, living);
    }
    for (YoungKind& kind : result.kinds)
        kind.share = living > 0 ? kind.share / living : 0.0;
    std::sort(result.kinds.begin(), result.kinds.end(), [](const YoungKind& a, const YoungKind& b) {
        if (a.male != b.male)
            return a.male;
        if (std::abs(a.share - b.share) > 1e-12)
            return a.share > b.share;
        return std::tie(a.colour, a.carried) < std::tie(b.colour, b.carried);
    });
    result.deadInEgg = std::max(0.0, 1.0 - living);
    if (result.deadInEgg > 1e-12 && !lethalNames.isEmpty())
        result.warnings << QCoreApplication::translate(
                               "ColourCalculator",
                               "%1 der befruchteten Eier sterben ab: doppelfaktorig %2 ist nicht "
                               "lebensfähig.")
                               .arg(percent(result.deadInEgg),
                                    lethalNames.join(QCoreApplication::translate("ColourCalculator", " und ")));
    else if (result.deadInEgg > 1e-12)
        result.warnings << QCoreApplication::translate("ColourCalculator", "%1 der befruchteten Eier sterben ab.")
                               .arg(percent(result.deadInEgg));
    QStringList notSimple = cock.notSimple;
    for (const QString& name : hen.notSimple)
        if (!notSimple.contains(name))
            notSimple << name;
    for (const QString& name : notSimple)
        result.warnings << QCoreApplication::translate(
                               "ColourCalculator",
                               "%1 folgt keinem einfachen Erbgang; dafür werden keine Anteile berechnet.")
                               .arg(name);
    if (!cock.unknownPhase.isEmpty())
        result.warnings << QCoreApplication::translate(
                               "ColourCalculator",
                               "Ob %1 beim Hahn auf einem Z-Chromosom liegen oder auf je einem, ist "
                               "unbekannt; beide Lagen sind je zur Hälfte gerechnet.")
                               .arg(cock.unknownPhase);
    if (cock.likelyTaken || hen.likelyTaken)
        result.warnings << QCoreApplication::translate(
            "ColourCalculator",
            "Anlagen, die nur wahrscheinlich sind, sind mit ihrer Wahrscheinlichkeit "
            "gerechnet.");
    return result;
}

QString youngLine(const YoungKind& kind)
{
    return QStringList {kind.male ? QCoreApplication::translate("ColourCalculator", "Hahn")
                                  : QCoreApplication::translate("ColourCalculator", "Henne"),
                        QString::number(kind.share, 'f', 6), kind.visual.join(QLatin1Char(',')), kind.carried,
                        kind.colour}
        .join(QLatin1Char('\t'));
}
