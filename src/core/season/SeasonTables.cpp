#include "core/season/SeasonTables.h"

#include "core/model/Dates.h"
#include <QHash>
#include <QLocale>

namespace {

const QStringList kFigureHeadings
    = {QStringLiteral("Gelege"),      QStringLiteral("Eier"),      QStringLiteral("Geschlüpft"),
       QStringLiteral("Beringt"),     QStringLiteral("Abgesetzt"), QStringLiteral("Schlupfrate"),
       QStringLiteral("Aufzuchtrate")};

QStringList figureCells(const BreedingFigures& f)
{
    return {QString::number(f.clutches), QString::number(f.eggs),   QString::number(f.hatched),
            QString::number(f.ringed),   QString::number(f.weaned), ratePercent(f.hatchRate()),
            ratePercent(f.rearingRate())};
}

} // namespace

QString ratePercent(std::optional<double> rate)
{
    if (!rate)
        return {};
    QString number = QLocale(QLocale::German, QLocale::Germany).toString(*rate * 100.0, 'f', 1);
    if (number.endsWith(QStringLiteral(",0")))
        number.chop(2);
    return number + QStringLiteral(" %");
}

QString figureExplanation(const QString& heading)
{
    static const QHash<QString, QString> meaning = {
        {QStringLiteral("Gelege"), QStringLiteral("Gelege mit mindestens einem Ei")},
        {QStringLiteral("Eier"), QStringLiteral("Eier, die in den Gelegen eingetragen sind")},
        {QStringLiteral("Geschlüpft"), QStringLiteral("Eier mit Schlupfdatum oder Ring")},
        {QStringLiteral("Beringt"), QStringLiteral("Jungvögel mit Ring")},
        {QStringLiteral("Abgesetzt"), QStringLiteral("Jungvögel mit Absetzdatum")},
        {QStringLiteral("Schlupfrate"), QStringLiteral("Geschlüpft geteilt durch Eier")},
        {QStringLiteral("Aufzuchtrate"), QStringLiteral("Abgesetzt geteilt durch Geschlüpft")},
    };
    return meaning.value(heading);
}

SeasonTable calendarTable(const std::vector<DueTask>& tasks, const QDate& today)
{
    // A long calendar has many tasks on one day: each day is written once.
    QHash<qint64, QString> dates;
    auto dateText = [&dates](const QDate& date) {
        auto it = dates.find(date.toJulianDay());
        if (it == dates.end())
            it = dates.insert(date.toJulianDay(), Dates::text(date));
        return *it;
    };
    const QString words[] = {taskWord(BreedingTask::Candling), taskWord(BreedingTask::Hatching),
                             taskWord(BreedingTask::Ringing), taskWord(BreedingTask::Weaning)};
    const QString overdue = QStringLiteral("überfällig");
    const QString dueToday = QStringLiteral("heute");
    SeasonTable table;
    table.headings
        = {QStringLiteral("Datum"), QStringLiteral("Aufgabe"), QStringLiteral("Hecke"), QStringLiteral("Hahn"),
           QStringLiteral("Henne"), QStringLiteral("Gelege"),  QStringLiteral("Ei"),    QStringLiteral("Stand")};
    table.rows.reserve(tasks.size());
    table.marked.reserve(tasks.size());
    for (const DueTask& t : tasks) {
        table.rows.push_back({dateText(t.date), words[int(t.task)], QString::number(t.cage), t.cockRing, t.henRing,
                              QString::number(t.clutch + 1), t.egg ? QString::number(*t.egg + 1) : QString(),
                              t.overdue ? overdue : (t.date == today ? dueToday : QString())});
        table.marked.push_back(t.overdue);
    }
    return table;
}

SeasonTable pairStatisticsTable(const PairTable& pairs, std::optional<int> season)
{
    SeasonTable table;
    table.headings
        = QStringList {QStringLiteral("Jahr"), QStringLiteral("Hecke"), QStringLiteral("Hahn"), QStringLiteral("Henne")}
        + kFigureHeadings;
    BreedingFigures total;
    for (const PairFigures& p : pairFigures(pairs, season)) {
        const BreedingPair& pair = pairs[size_t(p.pair)];
        table.rows.push_back(
            QStringList {QString::number(p.season), QString::number(pair.cageNumber), pair.cockRing, pair.henRing}
            + figureCells(p.figures));
        table.marked.push_back(false);
        total += p.figures;
    }
    table.rows.push_back(QStringList {QStringLiteral("Summe"), QString(), QString(), QString()} + figureCells(total));
    table.marked.push_back(true);
    return table;
}

SeasonTable animalStatisticsTable(const PairTable& pairs, bool cocks)
{
    SeasonTable table;
    table.headings = QStringList {cocks ? QStringLiteral("Hahn") : QStringLiteral("Henne")} + kFigureHeadings;
    const AnimalTotals totals = animalTotals(pairs);
    const QMap<QString, BreedingFigures>& animals = cocks ? totals.cocks : totals.hens;
    for (auto it = animals.cbegin(); it != animals.cend(); ++it) {
        table.rows.push_back(QStringList {it.key()} + figureCells(it.value()));
        table.marked.push_back(false);
    }
    return table;
}
