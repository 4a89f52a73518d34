#include "core/analysis/Inbreeding.h"

#include "core/stock/RingIndex.h"

#include <QLocale>

#include <algorithm>
#include <numeric>

QString Inbreeding::percent() const
{
    QString number = QLocale(QLocale::German, QLocale::Germany).toString(coefficient * 100.0, 'f', 2);
    while (number.endsWith(QLatin1Char('0')))
        number.chop(1);
    if (number.endsWith(QLatin1Char(',')))
        number.chop(1);
    return number + QStringLiteral(" %");
}

InbreedingCalculator::InbreedingCalculator(const AnimalTable& animals, const RingIndex& index)
    : m_animals(animals), m_index(index)
{ }

std::vector<double> InbreedingCalculator::coefficients(const std::vector<ParentPlaces>& parents)
{
    // Meuwissen and Luo (1992): F(i) = sum over the ancestors k of i of L(k)² d(k) − 1,
    // where L holds the contributions of the ancestors and d(k) the Mendelian
    // sampling variance of k. Animals are numbered by their place, parents first.
    const size_t n = parents.size();
    auto f = [](const std::vector<double>& values, qsizetype r) {
        return r < 0 ? -1.0 : values[size_t(r)];
    };
    std::vector<double> F(n, 0.0), d(n, 0.0), L(n, 0.0);
    std::vector<qsizetype> ancestors; // a max-heap of the places still to visit
    std::vector<bool> listed(n, false);
    for (size_t i = 0; i < n; ++i) {
        const qsizetype sire = parents[i].father;
        const qsizetype dam = parents[i].mother;
        d[i] = 0.5 - 0.25 * (f(F, sire) + f(F, dam));
        if (sire < 0 || dam < 0)
            continue; // F = 0 with a parent unknown
        double sum = 0.0;
        L[i] = 1.0;
        ancestors.assign(1, qsizetype(i));
        listed[i] = true;
        while (!ancestors.empty()) {
            std::pop_heap(ancestors.begin(), ancestors.end());
            const qsizetype k = ancestors.back();
            ancestors.pop_back();
            listed[size_t(k)] = false;
            const double half = 0.5 * L[size_t(k)];
            for (const qsizetype parent : {parents[size_t(k)].father, parents[size_t(k)].mother}) {
                if (parent < 0)
                    continue;
                L[size_t(parent)] += half;
                if (!listed[size_t(parent)]) {
                    listed[size_t(parent)] = true;
                    ancestors.push_back(parent);
                    std::push_heap(ancestors.begin(), ancestors.end());
                }
            }
            sum += L[size_t(k)] * L[size_t(k)] * d[size_t(k)];
            L[size_t(k)] = 0.0;
        }
        F[i] = sum - 1.0;
    }
    return F;
}

Inbreeding InbreedingCalculator::of(qsizetype animal) const
{
    Inbreeding result;
    if (animal < 0)
        return result;
    const PedigreeOrder pedigree = orderParentsFirst(m_animals, m_index, {animal});
    result.cycleCut = pedigree.cycleCut;
    result.coefficient = coefficients(pedigree.parents).back(); // the animal comes last, after its ancestors
    return result;
}

Inbreeding InbreedingCalculator::ofPair(const QString& cockRing, const QString& henRing) const
{
    // The young's F is half the relationship of its parents: a young bird that is not yet in the stock.
    Inbreeding result;
    const qsizetype cock = cockRing.isEmpty() ? -1 : m_index.lastWith(cockRing);
    const qsizetype hen = henRing.isEmpty() ? -1 : m_index.lastWith(henRing);
    if (cock < 0 || hen < 0)
        return result;
    PedigreeOrder pedigree = orderParentsFirst(m_animals, m_index, {cock, hen});
    result.cycleCut = pedigree.cycleCut;
    pedigree.parents.push_back({pedigree.placeOf(cock), pedigree.placeOf(hen)});
    result.coefficient = coefficients(pedigree.parents).back();
    return result;
}

std::vector<double> InbreedingCalculator::all(bool* cycleCut) const
{
    std::vector<qsizetype> everyone(m_animals.size());
    std::iota(everyone.begin(), everyone.end(), qsizetype(0));
    const PedigreeOrder pedigree = orderParentsFirst(m_animals, m_index, everyone);
    if (cycleCut)
        *cycleCut = pedigree.cycleCut;
    const std::vector<double> byPlace = coefficients(pedigree.parents);
    std::vector<double> byAnimal(m_animals.size(), 0.0);
    for (size_t place = 0; place < byPlace.size(); ++place)
        byAnimal[size_t(pedigree.animals[place])] = byPlace[place];
    return byAnimal;
}
