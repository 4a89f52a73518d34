#include "core/genetics/StockColours.h"

#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"

#include <algorithm>
#include <map>

#include <QCoreApplication>

PedigreeReading& colourReading(const StockDocument& stock)
{
    // What the reading takes in: the animals' colours, rings and parents (and
    // the ring index over them), and the factors in the records.
    constexpr StockDocument::Changes dependsOn
        = StockDocument::Animals | StockDocument::AnimalOrder | StockDocument::ParentLinks | StockDocument::Records;
    return stock.derived<PedigreeReading>(dependsOn, [&stock] {
        return std::make_unique<PedigreeReading>(stock.animals(), stock.ringIndex(),
                                                 stock.records().allColourFactors());
    });
}

Pairing calculatePairing(AnimalFactors cock, AnimalFactors hen, const PairingOptions& options)
{
    cock.male = true;
    hen.male = false;
    if (options.cockPhase && cock.phase == LinkagePhase::Unknown)
        cock.phase = *options.cockPhase;
    Pairing pairing;
    pairing.cock = cock;
    pairing.hen = hen;
    const FactorTable& table = FactorTable::canary();
    QString problem;
    const std::optional<AnimalGenes> cockGenes = genesOf(table, cock, problem);
    if (!cockGenes) {
        pairing.problem = QCoreApplication::translate("StockColours", "Hahn: %1").arg(problem);
        return pairing;
    }
    const std::optional<AnimalGenes> henGenes = genesOf(table, hen, problem);
    if (!henGenes) {
        pairing.problem = QCoreApplication::translate("StockColours", "Henne: %1").arg(problem);
        return pairing;
    }
    pairing.unknownPhase = cockGenes->unknownPhase;
    pairing.young = expectedYoung(table, *cockGenes, *henGenes, options.crossover);
    return pairing;
}

Pairing pairAnimals(const StockDocument& stock, qsizetype cock, qsizetype hen, const PairingOptions& options)
{
    PedigreeReading& r = colourReading(stock);
    return calculatePairing(r.factorsOf(cock, options.withLikely), r.factorsOf(hen, options.withLikely), options);
}

Pairing pairAnimals(const StockDocument& stock, const QString& cockRing, const QString& henRing,
                    const PairingOptions& options)
{
    const qsizetype cock = stock.ringIndex().lastActiveWith(cockRing);
    const qsizetype hen = stock.ringIndex().lastActiveWith(henRing);
    if (cock < 0 || hen < 0) {
        Pairing none;
        none.problem = QCoreApplication::translate("StockColours", "Den Ring „%1“ gibt es nicht im Bestand.")
                           .arg(cock < 0 ? cockRing : henRing);
        return none;
    }
    return pairAnimals(stock, cock, hen, options);
}

QString colourSummary(const ExpectedYoung& young)
{
    std::map<QString, double> byColour;
    for (const YoungKind& kind : young.kinds)
        byColour[kind.colour] += kind.share;
    std::vector<std::pair<QString, double>> sorted(byColour.begin(), byColour.end());
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    QStringList parts;
    for (const auto& [colour, share] : sorted)
        parts << QStringLiteral("%1 %2 %").arg(colour).arg(qRound(share * 100));
    QString summary = parts.join(QStringLiteral(", "));
    if (young.deadInEgg > 0)
        summary += QStringLiteral("; %1 % sterben im Ei").arg(qRound(young.deadInEgg * 100));
    return summary;
}
