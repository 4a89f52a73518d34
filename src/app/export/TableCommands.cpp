// The commands that write tables: CSV files, and tab-separated lines on the standard output.
#include "app/export/ExportRun.h"

#include "core/analysis/DataCheck.h"
#include "core/analysis/Inbreeding.h"
#include "core/breeding/RingStock.h"
#include "core/export/CsvExport.h"
#include "core/stock/Locations.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"
#include "reports/engine/PictureDecoder.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

int csv(ExportRun& run)
{
    const QString& what = run.request.words.first();
    const StockDocument& stock = run.stock;
    if (what == QLatin1String("stock")) {
        return run.writeBytes(stockCsv(stock, StockListOrder::ByRing));
    }
    if (what == QLatin1String("shows"))
        return run.writeBytes(showsCsv(stock.records().allShowResults()));
    return run.writeBytes(breedingCsv(stock.pairs()));
}

// One line per ring: the ring, a tab, F as a decimal fraction with six places.
int inbreeding(ExportRun& run)
{
    const StockDocument& stock = run.stock;
    const InbreedingCalculator calculator(stock.animals(), stock.ringIndex());
    auto line = [&run](const QString& what, const Inbreeding& f) {
        run.out << what << '\t' << QString::number(f.coefficient, 'f', 6) << '\n';
        if (f.cycleCut)
            //: %1 is a ring, or the rings of a cock and a hen.
            run.err << QCoreApplication::translate(
                           "ExportTool",
                           "Hinweis zu %1: Ein Tier ist sein eigener Vorfahr; diese Verbindung wurde "
                           "übergangen.")
                           .arg(what)
                    << '\n';
    };
    int code = Done;
    auto known = [&](const QString& ring) {
        if (stock.ringIndex().lastActiveWith(ring) >= 0)
            return true;
        run.err << QCoreApplication::translate("ExportTool", "Die Ringnummer „%1“ ist nicht im Bestand.").arg(ring)
                << '\n';
        code = NotFound;
        return false;
    };
    if (run.request.pair) {
        // A misspelt ring must not look like an unrelated bird: both are looked up, then told.
        const QString& cock = run.request.words[0];
        const QString& hen = run.request.words[1];
        const bool cockKnown = known(cock);
        if (known(hen) && cockKnown)
            line(cock + QLatin1Char('\t') + hen, calculator.ofPair(cock, hen));
        return code;
    }
    for (const QString& ring : run.request.words) {
        if (known(ring))
            line(ring, calculator.of(stock.ringIndex().lastActiveWith(ring)));
    }
    return code;
}

int check(ExportRun& run)
{
    const QStringList findings = checkStock(run.stock, [](const QString& path) { return decodePicture(path).error; });
    if (!run.recordsIntact())
        return FileProblem;
    for (const QString& finding : findings)
        run.out << finding << '\n';
    if (findings.isEmpty())
        run.out << QCoreApplication::translate("ExportTool", "Keine Auffälligkeiten gefunden.") << '\n';
    return findings.isEmpty() ? Done : NotFound;
}

QString isoDate(const QDate& date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

// date, ring, show, class, points (one decimal, a point), award, collection number
int shows(ExportRun& run)
{
    std::optional<int> year;
    if (!run.year(year))
        return WrongUse;
    const std::vector<ShowResult> results = run.stock.records().allShowResults();
    if (!run.recordsIntact())
        return FileProblem;
    for (const ShowResult& r : results) {
        if (year && r.date.year() != *year)
            continue;
        run.out << isoDate(r.date) << '\t' << r.ring << '\t' << r.show << '\t' << r.showClass << '\t'
                << QString::number(r.points(), 'f', 1) << '\t' << r.award << '\t'
                << (r.collection ? QString::number(*r.collection) : QString()) << '\n';
    }
    return Done;
}

// date, ring, status word, buyer name, price (two decimals, a point) or empty
int sales(ExportRun& run)
{
    std::optional<int> year;
    if (!run.year(year))
        return WrongUse;
    const std::vector<Whereabouts> departures = run.stock.records().departures();
    if (!run.recordsIntact())
        return FileProblem;
    for (const Whereabouts& w : departures) {
        if (year && w.date.year() != *year)
            continue;
        run.out
            << isoDate(w.date) << '\t' << w.ring << '\t' << AnimalRecordWords::statusWord(w.status) << '\t'
            << w.buyerName << '\t'
            << (w.priceCents
                    ? QStringLiteral("%1.%2").arg(*w.priceCents / 100).arg(*w.priceCents % 100, 2, 10, QLatin1Char('0'))
                    : QString())
            << '\n';
    }
    return Done;
}

// ring, place, since (YYYY-MM-DD): every bird in the stock, or those of one place
int location(ExportRun& run)
{
    const std::optional<QString> only
        = run.request.words.isEmpty() ? std::nullopt : std::optional<QString>(run.request.words.first());
    const std::vector<LocatedBird> birds = locatedBirds(run.stock, only);
    if (!run.recordsIntact())
        return FileProblem;
    for (const LocatedBird& bird : birds) {
        run.out << run.stock.animals()[size_t(bird.animal)].ringNumber << '\t' << bird.location << '\t'
                << isoDate(bird.since) << '\n';
    }
    return Done;
}

// year, club, size, first ring, last ring, used, free: one line per delivery
int rings(ExportRun& run)
{
    std::optional<int> year;
    if (!run.year(year))
        return WrongUse;
    const RingStock stock = ringStock(run.stock, year);
    if (!run.recordsIntact())
        return FileProblem;
    for (const RingRangeUse& range : stock.ranges) {
        const RingDelivery& d = range.delivery;
        run.out << d.year << '\t' << d.club << '\t' << d.size << '\t' << d.ring(d.first) << '\t' << d.ring(d.last)
                << '\t' << range.used << '\t' << range.free() << '\n';
    }
    for (const QString& ring : stock.usedTwice)
        run.err
            << QCoreApplication::translate("ExportTool", "Hinweis: Der Ring %1 ist an mehr als einem Vogel.").arg(ring)
            << '\n';
    return Done;
}

QString noWords(const ExportRequest& request)
{
    return request.words.isEmpty()
        ? QString()
        : QCoreApplication::translate("ExportTool", "%1 nimmt keine weiteren Angaben.").arg(request.command);
}

bool always(const ExportRequest&)
{
    return true;
}

} // namespace

QList<ExportCommand> tableCommands()
{
    return {
        ExportCommand {
            .name = "csv",
            .outputTypes = QStringList {"csv"},
            .check =
                [](const ExportRequest& r) {
                    return r.words.size() == 1 && QStringList {"stock", "breeding", "shows"}.contains(r.words.first())
                        ? QString()
                        : QCoreApplication::translate("ExportTool", "csv schreibt stock, breeding oder shows.");
                },
            .run = csv,
            .needsRecords =
                [](const ExportRequest& r) {
                    return r.words.first() != QLatin1String("breeding");
                }},
        ExportCommand {.name = "inbreeding",
                       .outputTypes = QStringList {},
                       .check =
                           [](const ExportRequest& r) {
                               if (r.pair && r.words.size() != 2)
                                   return QCoreApplication::translate(
                                       "ExportTool", "Nach --pair stehen der Ring des Hahns und der der Henne.");
                               if (r.pair && r.words[0] == r.words[1])
                                   return QCoreApplication::translate(
                                       "ExportTool", "Hahn und Henne müssen zwei verschiedene Ringnummern sein.");
                               return r.words.isEmpty()
                                   ? QCoreApplication::translate("ExportTool", "Es fehlt die Ringnummer.")
                                   : QString();
                           },
                       .run = inbreeding,
                       .options = {"--pair"},
                       .needsAncestriesOnly = always},
        ExportCommand {.name = "check", .outputTypes = {}, .check = noWords, .run = check, .needsRecords = always},
        ExportCommand {.name = "shows",
                       .outputTypes = {},
                       .check = noWords,
                       .run = shows,
                       .options = {"--year"},
                       .needsRecords = always},
        ExportCommand {.name = "location",
                       .outputTypes = {},
                       .check =
                           [](const ExportRequest& r) {
                               return r.words.size() > 1 ? QCoreApplication::translate(
                                          "ExportTool",
                                          "location nimmt höchstens einen Ort; Orte mit Leerzeichen "
                                          "in Anführungszeichen.")
                                                         : QString();
                           },
                       .run = location,
                       .needsRecords = always},
        ExportCommand {.name = "rings",
                       .outputTypes = {},
                       .check = noWords,
                       .run = rings,
                       .options = {"--year"},
                       .needsRecords = always},
        ExportCommand {.name = "sales",
                       .outputTypes = {},
                       .check = noWords,
                       .run = sales,
                       .options = {"--year"},
                       .needsRecords = always},
    };
}
