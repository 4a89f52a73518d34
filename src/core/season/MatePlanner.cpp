#include "core/season/MatePlanner.h"

#include "core/analysis/Inbreeding.h"
#include "core/analysis/Kinship.h"
#include "core/analysis/Relationship.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"

#include <algorithm>

#include <QCoreApplication>

MateRanking rankMates(const StockDocument& stock, const MateSearch& search)
{
    MateRanking ranking;
    const qsizetype chosen = stock.ringIndex().lastActiveWith(search.ring);
    if (chosen < 0) {
        ranking.problem
            = QCoreApplication::translate("MatePlanner", "Die Ringnummer „%1“ ist nicht im Bestand.").arg(search.ring);
        return ranking;
    }
    const AnimalTable& animals = stock.animals();
    const Sex sex = animals[size_t(chosen)].sex;
    if (sex != Sex::Male && sex != Sex::Female) {
        ranking.problem = QCoreApplication::translate("MatePlanner",
                                                      "Das Geschlecht des Kanarienvogels „%1“ ist unbekannt; ohne "
                                                      "es lassen sich keine Partner suchen.")
                              .arg(search.ring);
        return ranking;
    }
    const Sex wanted = sex == Sex::Male ? Sex::Female : Sex::Male;
    const std::vector<double> kinship = KinshipCalculator(animals, stock.ringIndex()).withAll(chosen);
    const RelationshipFinder relationships(animals, stock.ringIndex());
    for (const qsizetype i : stock.alphabeticalRingOrder()) {
        const Animal& a = animals[size_t(i)];
        if (a.sex != wanted || !a.isActive() || a.sold != 0 || (search.breed && a.breed != *search.breed))
            continue;
        const double f = kinship[size_t(i)];
        ranking.candidates.push_back({i, a.ringNumber, f, relationships.of(chosen, i), f >= kCloseInbreeding});
    }
    std::stable_sort(ranking.candidates.begin(), ranking.candidates.end(),
                     [](const MateCandidate& a, const MateCandidate& b) { return a.inbreeding < b.inbreeding; });
    return ranking;
}

std::optional<MateCandidate> closeRelation(const StockDocument& stock, const QString& cockRing, const QString& henRing)
{
    const qsizetype cock = stock.ringIndex().lastWith(cockRing);
    const qsizetype hen = stock.ringIndex().lastWith(henRing);
    if (cock < 0 || hen < 0)
        return std::nullopt;
    const Inbreeding f = InbreedingCalculator(stock.animals(), stock.ringIndex()).ofPair(cockRing, henRing);
    if (f.coefficient < kCloseInbreeding)
        return std::nullopt;
    return MateCandidate {hen, henRing, f.coefficient,
                          RelationshipFinder(stock.animals(), stock.ringIndex()).of(cock, hen), true};
}
