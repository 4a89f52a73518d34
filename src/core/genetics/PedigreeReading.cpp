#include "core/genetics/PedigreeReading.h"

#include "core/stock/PedigreeOrder.h"
#include "core/stock/RingIndex.h"

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
    return whole < 1 ? QStringLiteral("unter 1 %") : QStringLiteral("%1 %").arg(whole);
}

bool has(quint32 mask, int factor)
{
    return (mask >> factor) & 1U;
}

} // namespace

QString FactorFinding::text(const FactorTable& table) const
{
    const QString name = table.factor(factor).name;
    if (proven)
        return QStringLiteral("sicher spalterbig für %1: %2").arg(name, reason);
    return QStringLiteral("spalterbig für %1: %2, %3").arg(name, percent(chance), reason);
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
    quint32 mask = colourMask(animal);
    const auto it = m_entered.constFind(m_animals[size_t(animal)].ringNumber);
    if (it == m_entered.constEnd())
        return mask;
    for (const auto& [key, state] : *it) {
        const int f = m_table.find(key);
        if (f < 0)
            continue;
        if (state == FactorState::Visual || state == FactorState::DoubleFactor)
            mask |= 1U << f;
        else if (state != FactorState::Unknown)
            mask &= ~(1U << f);
    }
    return mask;
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

double PedigreeReading::passes(qsizetype animal, int factor) const
{
    if (animal < 0)
        return 0.0;
    if (shows(animal, factor))
        return 1.0;
    const bool hen = m_animals[size_t(animal)].sex != Sex::Male;
    if (hen && m_table.locusOf(factor).sexLinked())
        return 0.0; // a hen hides no sex-linked factor
    switch (entered(animal, factor)) {
    case FactorState::Carrier:
        return 0.5;
    case FactorState::Absent:
        return 0.0;
    default:
        break;
    }
    const auto it = m_readings.find(animal);
    if (it == m_readings.end())
        return 0.0;
    for (const FactorFinding& f : it->second.findings)
        if (f.factor == factor)
            return f.chance / 2;
    return 0.0;
}

QString PedigreeReading::stateWord(qsizetype parent, int factor) const
{
    const double chance = 2 * passes(parent, factor);
    if (chance >= 2)
        return m_table.factor(factor).name;
    if (chance >= 1)
        return QStringLiteral("spalterbig");
    return QStringLiteral("zu %1 spalterbig").arg(percent(chance));
}

void PedigreeReading::buildYoungIndex()
{
    m_youngIndexed = true;
    for (qsizetype c = 0; c < qsizetype(m_animals.size()); ++c) {
        const Animal& young = m_animals[size_t(c)];
        if (!young.isActive() || !(shownMask(c) & m_recessive))
            continue;
        for (const QString* ring : {&young.fatherRing, &young.motherRing})
            if (!ring->isEmpty())
                m_youngShowing[*ring].push_back(c);
    }
}

std::vector<qsizetype> PedigreeReading::youngShowing(qsizetype animal, int factor)
{
    if (!m_youngIndexed)
        buildYoungIndex();
    std::vector<qsizetype> found;
    const Animal& parent = m_animals[size_t(animal)];
    for (qsizetype c : m_youngShowing.value(parent.ringNumber)) {
        const Animal& young = m_animals[size_t(c)];
        const bool father = young.fatherRing == parent.ringNumber;
        // A sex-linked factor a young shows proves only its father a carrier.
        if (shows(c, factor) && (father || !m_table.locusOf(factor).sexLinked()))
            found.push_back(c);
    }
    return found;
}

void PedigreeReading::read(qsizetype animal)
{
    m_done[size_t(animal)] = true;
    const Animal& a = m_animals[size_t(animal)];
    const qsizetype father = parentOf(animal, true);
    const qsizetype mother = parentOf(animal, false);
    Reading reading;
    for (int f = 0; f < int(m_table.factors().size()); ++f) {
        if (!has(m_recessive, f) || shows(animal, f) || entered(animal, f) != FactorState::Unknown)
            continue;
        const bool sexLinked = m_table.locusOf(f).sexLinked();
        if (sexLinked && a.sex != Sex::Male)
            continue; // a hen shows what she has; of a bird of unknown sex nothing follows
        const double fromFather = passes(father, f);
        const double fromMother = passes(mother, f);
        FactorFinding finding {f, true, 1.0, {}};
        if (fromFather >= 1 || fromMother >= 1) {
            finding.reason = fromFather >= 1 && fromMother >= 1 ? QStringLiteral("Vater und Mutter %1")
                : fromFather >= 1                               ? QStringLiteral("Vater %1")
                                                                : QStringLiteral("Mutter %1");
            finding.reason = finding.reason.arg(m_table.factor(f).name);
        } else if (const std::vector<qsizetype> young = youngShowing(animal, f); !young.empty()) {
            finding.reason = QStringLiteral("Junges %1 %2")
                                 .arg(quoted(m_animals[size_t(young.front())].ringNumber), m_table.factor(f).name);
        } else if (fromFather > 0 || fromMother > 0) {
            // Among young that do not show it, the share that carries it.
            finding.proven = false;
            finding.chance
                = (fromFather * (1 - fromMother) + fromMother * (1 - fromFather)) / (1 - fromFather * fromMother);
            const QString fatherWord = fromFather > 0 ? stateWord(father, f) : QString();
            const QString motherWord = fromMother > 0 ? stateWord(mother, f) : QString();
            if (fatherWord == motherWord)
                finding.reason = QStringLiteral("Vater und Mutter %1").arg(fatherWord);
            else if (motherWord.isEmpty())
                finding.reason = QStringLiteral("Vater %1").arg(fatherWord);
            else if (fatherWord.isEmpty())
                finding.reason = QStringLiteral("Mutter %1").arg(motherWord);
            else
                finding.reason = QStringLiteral("Vater %1, Mutter %2").arg(fatherWord, motherWord);
        } else {
            continue;
        }
        reading.findings.push_back(finding);
    }
    if (!reading.findings.empty())
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

BirdFactors PedigreeReading::factorsOf(qsizetype animal, bool withLikely)
{
    const Animal& a = m_animals[size_t(animal)];
    BirdFactors bird = BirdFactors::none(m_table, a.sex != Sex::Female);
    const quint32 shown = shownMask(animal);
    for (int f = 0; f < int(m_table.factors().size()); ++f) {
        const FactorState state = entered(animal, f);
        if (state != FactorState::Unknown)
            bird.states[size_t(f)] = state;
        else if (has(shown, f))
            bird.states[size_t(f)] = FactorState::Visual;
    }
    for (const FactorFinding& finding : findings(animal)) {
        if (finding.proven)
            bird.states[size_t(finding.factor)] = FactorState::Carrier;
        else if (withLikely)
            bird.likely[size_t(finding.factor)] = finding.chance;
    }
    // The mother gave a son one of his Z chromosomes as she has it: the
    // hidden alleles of the linked loci lie on it together, or one on it.
    std::vector<int> hidden;
    for (int l : m_table.linkedLoci())
        for (int f : m_table.loci()[size_t(l)].factors)
            if (bird.state(f) == FactorState::Carrier)
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
            bird.phase = LinkagePhase::Coupled;
        else if (first != second && motherKnown)
            bird.phase = LinkagePhase::Repulsion;
    }
    return bird;
}
