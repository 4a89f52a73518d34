// The colours the young of a pair will have: from the stock's records and pedigree, or from factors typed in.
#include "app/export/ExportRun.h"

#include "core/genetics/StockColours.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

bool byHand(const ExportRequest& r)
{
    return r.has("--cock") || r.has("--hen");
}

QString checkRequest(const ExportRequest& r)
{
    if (r.pair == byHand(r))
        return QCoreApplication::translate(
            "ExportTool", "colours nimmt entweder --pair HAHN HENNE oder --cock ANLAGEN und --hen ANLAGEN.");
    if (r.pair && r.words.size() != 2)
        return QCoreApplication::translate("ExportTool",
                                           "colours --pair nimmt genau zwei Ringnummern: Hahn und Henne.");
    if (r.pair && r.words[0] == r.words[1])
        return QCoreApplication::translate("ExportTool", "Hahn und Henne müssen zwei verschiedene Ringnummern sein.");
    if (!r.pair && (!r.has("--cock") || !r.has("--hen") || !r.words.isEmpty()))
        return QCoreApplication::translate(
            "ExportTool",
            "colours nimmt --cock ANLAGEN und --hen ANLAGEN, etwa --cock \"braun,/opal\" --hen "
            "\"achat\".");
    if (r.has("--phase") && r.option("--phase") != QLatin1String("coupling")
        && r.option("--phase") != QLatin1String("repulsion"))
        return QCoreApplication::translate(
            "ExportTool", "--phase nimmt coupling (auf einem Z-Chromosom) oder repulsion (auf je einem).");
    return {};
}

std::optional<double> crossover(ExportRun& run)
{
    if (!run.request.has("--crossover"))
        return FactorTable::canary().crossover();
    bool ok = false;
    const double rate
        = QString(run.request.option("--crossover")).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !(rate >= 0 && rate <= 0.5)) { // the negation lets no NaN through
        run.err << QCoreApplication::translate("ExportTool", "--crossover nimmt einen Anteil von 0 bis 0.5, etwa 0.33.")
                << '\n';
        return std::nullopt;
    }
    return rate;
}

// The factors of the pair's birds as the records and the pedigree give them.
std::optional<std::pair<AnimalFactors, AnimalFactors>> fromStock(ExportRun& run, int& exit)
{
    const RingIndex& index = run.stock.ringIndex();
    std::array<qsizetype, 2> animals {};
    for (int i = 0; i < 2; ++i) {
        animals[size_t(i)] = index.lastActiveWith(run.request.words[i]);
        if (animals[size_t(i)] < 0) {
            run.err << QCoreApplication::translate("ExportTool", "Den Ring „%1“ gibt es nicht im Bestand.")
                           .arg(run.request.words[i])
                    << '\n';
            exit = NotFound;
            return std::nullopt;
        }
    }
    // Hen first is a slip of the order, not a question for the factors.
    const Sex cock = run.stock.animals()[size_t(animals[0])].sex;
    const Sex hen = run.stock.animals()[size_t(animals[1])].sex;
    if (cock == Sex::Female || hen == Sex::Male) {
        if (cock == Sex::Female)
            run.err << QCoreApplication::translate(
                           "ExportTool",
                           "colours --pair nimmt zuerst den Hahn, dann die Henne; „%1“ ist als Henne "
                           "eingetragen.")
                           .arg(run.request.words[0])
                    << '\n';
        else
            run.err << QCoreApplication::translate(
                           "ExportTool",
                           "colours --pair nimmt zuerst den Hahn, dann die Henne; „%1“ ist als Hahn "
                           "eingetragen.")
                           .arg(run.request.words[1])
                    << '\n';
        exit = WrongUse;
        return std::nullopt;
    }
    PedigreeReading& reading = colourReading(run.stock);
    return std::pair(reading.factorsOf(animals[0], false), reading.factorsOf(animals[1], false));
}

std::optional<std::pair<AnimalFactors, AnimalFactors>> fromSpecs(ExportRun& run)
{
    const FactorTable& table = FactorTable::canary();
    QString problem;
    std::optional<AnimalFactors> cock = parseFactors(table, true, run.request.option("--cock"), problem);
    std::optional<AnimalFactors> hen
        = cock ? parseFactors(table, false, run.request.option("--hen"), problem) : std::nullopt;
    if (!hen) {
        run.err << problem << '\n';
        return std::nullopt;
    }
    return std::pair(*cock, *hen);
}

// Hahn or Henne, share of the young that live, visual, carried, colour; then "abgestorben" and the share of the eggs.
int colours(ExportRun& run)
{
    PairingOptions options;
    const std::optional<double> rate = crossover(run);
    if (!rate)
        return WrongUse;
    options.crossover = *rate;
    int exit = WrongUse;
    std::optional<std::pair<AnimalFactors, AnimalFactors>> pair
        = run.request.pair ? fromStock(run, exit) : fromSpecs(run);
    if (!pair)
        return exit;
    if (run.request.has("--phase"))
        pair->first.phase = run.request.option("--phase") == QLatin1String("coupling") ? LinkagePhase::Coupled
                                                                                       : LinkagePhase::Repulsion;
    const Pairing pairing = calculatePairing(pair->first, pair->second, options);
    if (!pairing.young) {
        run.err << pairing.problem << '\n';
        return WrongUse;
    }
    if (!pairing.unknownPhase.isEmpty()) {
        //: %1 names the factors whose phase is unknown.
        run.err << QCoreApplication::translate(
                       "ExportTool",
                       "Ob %1 beim Hahn auf einem Z-Chromosom liegen oder auf je einem, ist unbekannt; "
                       "bitte mit --phase coupling oder --phase repulsion angeben.")
                       .arg(pairing.unknownPhase)
                << '\n';
        return WrongUse;
    }
    const ExpectedYoung& young = *pairing.young;
    for (const YoungKind& kind : young.kinds)
        run.out << youngLine(kind) << '\n';
    if (young.deadInEgg > 0)
        run.out << "abgestorben\t" << QString::number(young.deadInEgg, 'f', 6) << '\n';
    for (const QString& warning : young.warnings)
        run.err << warning << '\n';
    return Done;
}

} // namespace

QList<ExportCommand> colourCommands()
{
    return {ExportCommand {.name = "colours",
                           .outputTypes = {},
                           .check = checkRequest,
                           .run = colours,
                           .options = {"--pair", "--cock", "--hen", "--crossover", "--phase"},
                           .needsStock = [](const ExportRequest& r) { return !byHand(r); },
                           .needsRecords =
                               [](const ExportRequest& r) {
                                   return !byHand(r);
                               }}};
}
