#include "core/genetics/PedigreeReading.h"

#include "core/stock/PedigreeOrder.h"
#include "core/stock/RingIndex.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <climits>

#include <numeric>

namespace {

QString quoted(const QString& ring)
{
    return QStringLiteral("„") + ring + QStringLiteral("“");
}

QString percent(double chance)
{
    const int whole = qRound(chance * 100);
    return whole < 1 ? QCoreApplication::translate("PedigreeReading", "unter 1 %") : QStringLiteral("%1 %").arg(whole);
}

bool has(quint32 mask, int factor)
{
    return (mask >> factor) & 1U;
}

} // namespace

QString FactorFinding::text(const FactorTable& table) const
{
    const QString name = table.factor(factor).shownName();
    if (proven)
        return QCoreApplication::translate("PedigreeReading", "sicher spalterbig für %1: %2").arg(name, reason);
    return QCoreApplication::translate("PedigreeReading", "spalterbig für %1: %2, %3")
        .arg(name, percent(chance), reason);
}

PedigreeReading::PedigreeReading(const AnimalTable& animals, const RingIndex& index,
                                 QHash<QString, FactorStates> entered, const FactorTable& table)
    : m_animals(animals), m_index(index), m_entered(std::move(entered)), m_table(table), m_done(animals.size(), false)
{
    Q_ASSERT(table.factors().size() <= 32);
    for (int f = 0; f < int(table.factors().size()); ++f) {
        const ColourLocus& locus = table.locusOf(f);
        if (locus.simple() && !locus.dominant())
            m_recessive |= 1U << f;
        if (locus.sexLinked())
            m_sexLinked |= 1U << f;
    }
    for (auto it = m_entered.cbegin(); it != m_entered.cend(); ++it) {
        Known k;
        for (const auto& [key, state] : *it) {
            const int f = table.find(key);
            if (f < 0)
                continue;
            if (state == FactorState::Visual || state == FactorState::DoubleFactor)
                k.shown |= 1U << f;
            else if (state == FactorState::Carrier)
                k.carrier |= 1U << f;
            else if (state == FactorState::Absent)
                k.absent |= 1U << f;
        }
        m_known.insert(it.key(), k);
    }
}

FactorState PedigreeReading::entered(qsizetype animal, int factor) const
{
    const auto it = m_entered.constFind(m_animals[size_t(animal)].ringNumber);
    if (it == m_entered.constEnd())
        return FactorState::Unknown;
    const auto state = it->find(m_table.factor(factor).key);
    return state == it->end() ? FactorState::Unknown : state->second;
}

quint32 PedigreeReading::colourMask(qsizetype animal) const
{
    const QString& colour = m_animals[size_t(animal)].colour;
    if (colour.isEmpty())
        return 0;
    const auto cached = m_colourCache.constFind(colour);
    if (cached != m_colourCache.constEnd())
        return *cached;
    static const QRegularExpression nonLetters(QStringLiteral("[^\\p{L}]+"));
    const QStringList tokens = colour.toLower().split(nonLetters, Qt::SkipEmptyParts);
    const QString words = QLatin1Char(' ') + tokens.join(QLatin1Char(' '));
    quint32 mask = 0;
    for (int f = 0; f < int(m_table.factors().size()); ++f) {
        for (const QString& word : m_table.factor(f).colourText) {
            // A word opens a token ("Isabell" for "isabel"); two words stand side by side.
            if (words.contains(QLatin1Char(' ') + word))
                mask |= 1U << f;
        }
    }
    // Where two alleles of one locus are named, the one further down shows ("Isabell-Satinet": satinet).
    for (const ColourLocus& locus : m_table.loci()) {
        int lowest = INT_MAX;
        for (int f : locus.factors)
            if (has(mask, f))
                lowest = std::min(lowest, locus.rank[size_t(m_table.factor(f).allele)]);
        for (int f : locus.factors)
            if (has(mask, f) && locus.rank[size_t(m_table.factor(f).allele)] > lowest)
                mask &= ~(1U << f);
    }
    m_colourCache.insert(colour, mask);
    return mask;
}

quint32 PedigreeReading::shownMask(qsizetype animal) const
{
    const Known k = known(animal);
    return (colourMask(animal) & ~(k.carrier | k.absent)) | k.shown;
}

bool PedigreeReading::shows(qsizetype animal, int factor) const
{
    return has(shownMask(animal), factor);
}

std::vector<int> PedigreeReading::shownByColour(qsizetype animal) const
{
    std::vector<int> shown;
    const quint32 mask = colourMask(animal);
    for (int f = 0; f < int(m_table.factors().size()); ++f)
        if (has(mask, f))
            shown.push_back(f);
    return shown;
}

std::vector<std::pair<int, double>> PedigreeReading::passesOf(qsizetype animal,
                                                              const std::vector<FactorFinding>& findings) const
{
    std::vector<std::pair<int, double>> passes;
    const quint32 shown = shownMask(animal);
    const Known k = known(animal);
    const bool hen = m_animals[size_t(animal)].sex != Sex::Male;
    for (int f = 0; f < int(m_table.factors().size()); ++f) {
        if (!has(m_recessive, f))
            continue;
        if (has(shown, f))
            passes.emplace_back(f, 1.0);
        else if (hen && has(m_sexLinked, f))
            continue; // a hen hides no sex-linked factor
        else if (has(k.carrier, f))
            passes.emplace_back(f, 0.5);
    }
    for (const FactorFinding& finding : findings)
        passes.emplace_back(finding.factor, finding.chance / 2);
    return passes;
}

double PedigreeReading::passes(qsizetype animal, int factor) const
{
    if (animal < 0)
        return 0.0;
    const auto it = m_readings.find(animal);
    if (it == m_readings.end() && !m_done[size_t(animal)]) {
        // Not read (a link cut to break a cycle): what was entered or shows.
        for (const auto& [f, chance] : passesOf(animal, {}))
            if (f == factor)
                return chance;
        return 0.0;
    }
    if (it != m_readings.end())
        for (const auto& [f, chance] : it->second.passes)
            if (f == factor)
                return chance;
    return 0.0;
}

QString PedigreeReading::stateWord(qsizetype parent, int factor) const
{
    const double chance = 2 * passes(parent, factor);
    if (chance >= 2)
        return m_table.factor(factor).shownName();
    if (chance >= 1)
        return QCoreApplication::translate("PedigreeReading", "spalterbig");
    return QCoreApplication::translate("PedigreeReading", "zu %1 spalterbig").arg(percent(chance));
}

void PedigreeReading::buildYoungIndex()
{
    m_youngIndexed = true;
    for (qsizetype c = 0; c < qsizetype(m_animals.size()); ++c) {
        const Animal& young = m_animals[size_t(c)];
        if (!young.isActive())
            continue;
        const quint32 shown = shownMask(c) & m_recessive;
        if (!shown)
            continue;
        if (!young.fatherRing.isEmpty()) {
            Young& y = m_youngShowing[young.fatherRing];
            y.young.push_back(c);
            y.shownAsFather |= shown;
        }
        if (!young.motherRing.isEmpty()) {
            Young& y = m_youngShowing[young.motherRing];
            y.young.push_back(c);
            y.shownAsMother |= shown;
        }
    }
}

std::vector<qsizetype> PedigreeReading::youngShowing(qsizetype animal, int factor)
{
    if (!m_youngIndexed)
        buildYoungIndex();
    std::vector<qsizetype> found;
    const Animal& parent = m_animals[size_t(animal)];
    const auto it = m_youngShowing.constFind(parent.ringNumber);
    if (it == m_youngShowing.constEnd())
        return found;
    for (qsizetype c : it->young) {
        const bool father = m_animals[size_t(c)].fatherRing == parent.ringNumber;
        // A sex-linked factor a young shows proves only its father a carrier.
        if (shows(c, factor) && (father || !has(m_sexLinked, factor)))
            found.push_back(c);
    }
    return found;
}

void PedigreeReading::read(qsizetype animal)
{
    m_done[size_t(animal)] = true;
    if (!m_youngIndexed)
        buildYoungIndex();
    const Animal& a = m_animals[size_t(animal)];
    const qsizetype father = parentOf(animal, true);
    const qsizetype mother = parentOf(animal, false);
    // Only factors a parent passes on or a young shows can be said of the bird.
    quint32 candidates = 0;
    for (const qsizetype parent : {father, mother}) {
        if (parent < 0)
            continue;
        if (const auto it = m_readings.find(parent); it != m_readings.end())
            for (const auto& [f, chance] : it->second.passes)
                candidates |= 1U << f;
        else if (!m_done[size_t(parent)])
            for (const auto& [f, chance] : passesOf(parent, {}))
                candidates |= 1U << f;
    }
    if (const auto it = m_youngShowing.constFind(a.ringNumber); it != m_youngShowing.constEnd())
        candidates |= it->shownAsFather | (it->shownAsMother & ~m_sexLinked);
    const Known k = known(animal);
    candidates &= m_recessive & ~shownMask(animal) & ~(k.carrier | k.absent);
    if (a.sex != Sex::Male)
        candidates &= ~m_sexLinked; // a hen shows what she has; of a bird of unknown sex nothing follows
    Reading reading;
    for (int f = 0; candidates; ++f, candidates >>= 1) {
        if (!(candidates & 1U))
            continue;
        const double fromFather = passes(father, f);
        const double fromMother = passes(mother, f);
        FactorFinding finding {f, true, 1.0, {}};
        if (fromFather >= 1 || fromMother >= 1) {
            finding.reason = fromFather >= 1 && fromMother >= 1
                ? QCoreApplication::translate("PedigreeReading", "Vater und Mutter %1")
                : fromFather >= 1 ? QCoreApplication::translate("PedigreeReading", "Vater %1")
                                  : QCoreApplication::translate("PedigreeReading", "Mutter %1");
            finding.reason = finding.reason.arg(m_table.factor(f).shownName());
        } else if (const std::vector<qsizetype> young = youngShowing(animal, f); !young.empty()) {
            finding.reason
                = QCoreApplication::translate("PedigreeReading", "Junges %1 %2")
                      .arg(quoted(m_animals[size_t(young.front())].ringNumber), m_table.factor(f).shownName());
        } else if (fromFather > 0 || fromMother > 0) {
            // Among young that do not show it, the share that carries it.
            finding.proven = false;
            finding.chance
                = (fromFather * (1 - fromMother) + fromMother * (1 - fromFather)) / (1 - fromFather * fromMother);
            const QString fatherWord = fromFather > 0 ? stateWord(father, f) : QString();
            const QString motherWord = fromMother > 0 ? stateWord(mother, f) : QString();
            if (fatherWord == motherWord)
                finding.reason = QCoreApplication::translate("PedigreeReading", "Vater und Mutter %1").arg(fatherWord);
            else if (motherWord.isEmpty())
                finding.reason = QCoreApplication::translate("PedigreeReading", "Vater %1").arg(fatherWord);
            else if (fatherWord.isEmpty())
                finding.reason = QCoreApplication::translate("PedigreeReading", "Mutter %1").arg(motherWord);
            else
                finding.reason
                    = QCoreApplication::translate("PedigreeReading", "Vater %1, Mutter %2").arg(fatherWord, motherWord);
        } else {
            continue;
        }
        reading.findings.push_back(finding);
    }
    reading.passes = passesOf(animal, reading.findings);
    if (!reading.findings.empty() || !reading.passes.empty())
        m_readings[animal] = std::move(reading);
}

qsizetype PedigreeReading::parentOf(qsizetype animal, bool father) const
{
    const Animal& a = m_animals[size_t(animal)];
    const QString& ring = father ? a.fatherRing : a.motherRing;
    return ring.isEmpty() ? -1 : m_index.lastWith(ring);
}

void PedigreeReading::readInOrder(const std::vector<qsizetype>& start)
{
    const PedigreeOrder order = orderParentsFirst(m_animals, m_index, start);
    for (const qsizetype animal : order.animals)
        if (!m_done[size_t(animal)])
            read(animal);
}

void PedigreeReading::readAll()
{
    std::vector<qsizetype> all(m_animals.size());
    std::iota(all.begin(), all.end(), qsizetype(0));
    readInOrder(all);
}

const std::vector<FactorFinding>& PedigreeReading::findings(qsizetype animal)
{
    static const std::vector<FactorFinding> none;
    if (animal < 0 || animal >= qsizetype(m_animals.size()))
        return none;
    if (!m_done[size_t(animal)])
        readInOrder({animal});
    const auto it = m_readings.find(animal);
    return it == m_readings.end() ? none : it->second.findings;
}

AnimalFactors PedigreeReading::factorsOf(qsizetype animal, bool withLikely)
{
    const Animal& a = m_animals[size_t(animal)];
    AnimalFactors factors = AnimalFactors::none(m_table, a.sex != Sex::Female);
    const quint32 shown = shownMask(animal);
    for (int f = 0; f < int(m_table.factors().size()); ++f) {
        const FactorState state = entered(animal, f);
        if (state != FactorState::Unknown)
            factors.states[size_t(f)] = state;
        else if (has(shown, f))
            factors.states[size_t(f)] = FactorState::Visual;
    }
    for (const FactorFinding& finding : findings(animal)) {
        if (finding.proven)
            factors.states[size_t(finding.factor)] = FactorState::Carrier;
        else if (withLikely)
            factors.likely[size_t(finding.factor)] = finding.chance;
    }
    // The mother gave a son one of his Z chromosomes as she has it: the
    // hidden alleles of the linked loci lie on it together, or one on it.
    std::vector<int> hidden;
    for (int l : m_table.linkedLoci())
        for (int f : m_table.loci()[size_t(l)].factors)
            if (factors.state(f) == FactorState::Carrier)
                hidden.push_back(f);
    const qsizetype mother = parentOf(animal, false);
    if (hidden.size() == 2 && mother >= 0) {
        const bool first = shows(mother, hidden[0]);
        const bool second = shows(mother, hidden[1]);
        bool motherKnown = false;
        for (int l : m_table.linkedLoci())
            for (int f : m_table.loci()[size_t(l)].factors)
                motherKnown = motherKnown || has(colourMask(mother), f) || entered(mother, f) != FactorState::Unknown;
        if (first && second)
            factors.phase = LinkagePhase::Coupled;
        else if (first != second && motherKnown)
            factors.phase = LinkagePhase::Repulsion;
    }
    return factors;
}
