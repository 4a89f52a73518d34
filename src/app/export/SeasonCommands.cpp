// The commands of the breeding season: what is due, how the pairs did, whom to pair.
#include "app/export/ExportRun.h"

#include "core/files/Preferences.h"
#include "core/season/BreedingCalendar.h"
#include "core/season/MatePlanner.h"
#include "core/season/SeasonStatistics.h"
#include "core/stock/StockDocument.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

// A whole number from an option, or the fallback when the option is not given.
std::optional<int> number(ExportRun& run, const char* option, int fallback, int lowest)
{
    if (!run.request.has(option))
        return fallback;
    bool ok = false;
    const int value = run.request.option(option).toInt(&ok);
    if (!ok || value < lowest) {
        //: %1 is an option such as --days, %2 the smallest number it takes.
        run.err << QCoreApplication::translate("ExportTool", "%1 nimmt eine ganze Zahl ab %2.")
                       .arg(QString::fromLatin1(option))
                       .arg(lowest)
                << '\n';
        return std::nullopt;
    }
    return value;
}

// date, task, cage, cock, hen, clutch (from 1), egg (from 1; empty for the clutch), "überfällig" or empty
int due(ExportRun& run)
{
    QDate today = QDate::currentDate();
    if (run.request.has("--date")) {
        today = QDate::fromString(run.request.option("--date"), Qt::ISODate);
        if (!today.isValid()) {
            run.err << QCoreApplication::translate("ExportTool", "--date nimmt ein Datum wie 2026-04-05.") << '\n';
            return WrongUse;
        }
    }
    const std::optional<int> days = number(run, "--days", 14, 0);
    if (!days)
        return WrongUse;
    const CalendarDays calendar = Preferences::load(Preferences::defaultFile()).calendar;
    for (const DueTask& t : dueTasks(run.stock.pairs(), calendar, today, today.addDays(*days))) {
        run.out << t.date.toString(Qt::ISODate) << '\t' << taskWord(t.task) << '\t' << t.cage << '\t' << t.cockRing
                << '\t' << t.henRing << '\t' << t.clutch + 1 << '\t'
                << (t.egg ? QString::number(*t.egg + 1) : QString()) << '\t'
                << (t.overdue ? QStringLiteral("überfällig") : QString()) << '\n';
    }
    return Done;
}

QString rate(std::optional<double> value)
{
    return value ? QString::number(*value, 'f', 4) : QString();
}

void figures(QTextStream& out, const BreedingFigures& f)
{
    out << f.clutches << '\t' << f.eggs << '\t' << f.hatched << '\t' << f.ringed << '\t' << f.weaned << '\t'
        << rate(f.hatchRate()) << '\t' << rate(f.rearingRate()) << '\n';
}

// "Paar", cage, cock, hen, the figures; then "Summe" and the season's totals in the same columns.
int season(ExportRun& run)
{
    const int year = *yearOf(run.request.words.first());
    BreedingFigures total;
    for (const PairFigures& p : pairFigures(run.stock.pairs(), year)) {
        const BreedingPair& pair = run.stock.pairs()[size_t(p.pair)];
        run.out << "Paar\t" << pair.cageNumber << '\t' << pair.cockRing << '\t' << pair.henRing << '\t';
        figures(run.out, p.figures);
        total += p.figures;
    }
    run.out << "Summe\t\t\t\t";
    figures(run.out, total);
    return Done;
}

// ring, F of the young with six decimals, relationship
int mates(ExportRun& run)
{
    const std::optional<int> limit = number(run, "--limit", -1, 1);
    if (!limit)
        return WrongUse;
    MateSearch search {run.request.words.first(), std::nullopt};
    if (run.request.has("--breed"))
        search.breed = run.request.option("--breed");
    const MateRanking ranking = rankMates(run.stock, search);
    if (!ranking.problem.isEmpty()) {
        run.err << ranking.problem << '\n';
        return NotFound;
    }
    int written = 0;
    for (const MateCandidate& c : ranking.candidates) {
        if (*limit > 0 && written++ >= *limit)
            break;
        run.out << c.ring << '\t' << QString::number(c.inbreeding, 'f', 6) << '\t' << c.relationship << '\n';
    }
    return Done;
}

QString exactly(const ExportRequest& request, int words, const QString& wrong)
{
    return request.words.size() == words ? QString() : wrong;
}

} // namespace

QList<ExportCommand> seasonCommands()
{
    return {
        ExportCommand {.name = "due",
                       .outputTypes = {},
                       .check =
                           [](const ExportRequest& r) {
                               return exactly(
                                   r, 0,
                                   QCoreApplication::translate(
                                       "ExportTool", "due nimmt keine weiteren Angaben als --date und --days."));
                           },
                       .run = due,
                       .options = {"--date", "--days"}},
        ExportCommand {.name = "season",
                       .outputTypes = {},
                       .check =
                           [](const ExportRequest& r) {
                               return r.words.size() == 1 && yearOf(r.words.first())
                                   ? QString()
                                   : QCoreApplication::translate(
                                       "ExportTool", "season nimmt genau ein Jahr von 1 bis 9999, etwa 2026.");
                           },
                       .run = season},
        ExportCommand {.name = "mates",
                       .outputTypes = {},
                       .check =
                           [](const ExportRequest& r) {
                               return exactly(
                                   r, 1,
                                   QCoreApplication::translate("ExportTool", "mates nimmt genau eine Ringnummer."));
                           },
                       .run = mates,
                       .options = {"--breed", "--limit"}},
    };
}
