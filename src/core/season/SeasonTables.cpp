#include "core/season/SeasonTables.h"

#include "core/model/Dates.h"
#include <QCoreApplication>
#include <QHash>
#include <QLocale>

namespace {

// Each figure's heading and what it counts, translated where shown.
struct Figure
{
    const char* heading;
    const char* meaning;
};

constexpr Figure kFigures[] = {
    {QT_TRANSLATE_NOOP("SeasonTables", "Gelege"), QT_TRANSLATE_NOOP("SeasonTables", "Gelege mit mindestens einem Ei")},
    {QT_TRANSLATE_NOOP("SeasonTables", "Eier"),
     QT_TRANSLATE_NOOP("SeasonTables", "Eier, die in den Gelegen eingetragen sind")},
    {QT_TRANSLATE_NOOP("SeasonTables", "Geschlüpft"),
     QT_TRANSLATE_NOOP("SeasonTables", "Eier mit Schlupfdatum oder Ring")},
    {QT_TRANSLATE_NOOP("SeasonTables", "Beringt"), QT_TRANSLATE_NOOP("SeasonTables", "Jungvögel mit Ring")},
    {QT_TRANSLATE_NOOP("SeasonTables", "Abgesetzt"), QT_TRANSLATE_NOOP("SeasonTables", "Jungvögel mit Absetzdatum")},
    {QT_TRANSLATE_NOOP("SeasonTables", "Schlupfrate"),
     QT_TRANSLATE_NOOP("SeasonTables", "Geschlüpft geteilt durch Eier")},
    {QT_TRANSLATE_NOOP("SeasonTables", "Aufzuchtrate"),
     QT_TRANSLATE_NOOP("SeasonTables", "Abgesetzt geteilt durch Geschlüpft")},
};

QStringList figureHeadings()
{
    QStringList headings;
    for (const Figure& f : kFigures)
        headings << QCoreApplication::translate("SeasonTables", f.heading);
    return headings;
}

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
    for (const Figure& f : kFigures) {
        if (heading == QCoreApplication::translate("SeasonTables", f.heading))
            return QCoreApplication::translate("SeasonTables", f.meaning);
    }
    return {};
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
    const QString overdue = QCoreApplication::translate("SeasonTables", "überfällig");
    const QString dueToday = QCoreApplication::translate("SeasonTables", "heute");
    SeasonTable table;
    table.headings
        = {QCoreApplication::translate("SeasonTables", "Datum"), QCoreApplication::translate("SeasonTables", "Aufgabe"),
           QCoreApplication::translate("SeasonTables", "Hecke"), QCoreApplication::translate("SeasonTables", "Hahn"),
           QCoreApplication::translate("SeasonTables", "Henne"), QCoreApplication::translate("SeasonTables", "Gelege"),
           QCoreApplication::translate("SeasonTables", "Ei"),    QCoreApplication::translate("SeasonTables", "Stand")};
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
    table.headings = QStringList {QCoreApplication::translate("SeasonTables", "Jahr"),
                                  QCoreApplication::translate("SeasonTables", "Hecke"),
                                  QCoreApplication::translate("SeasonTables", "Hahn"),
                                  QCoreApplication::translate("SeasonTables", "Henne")}
        + figureHeadings();
    BreedingFigures total;
    for (const PairFigures& p : pairFigures(pairs, season)) {
        const BreedingPair& pair = pairs[size_t(p.pair)];
        table.rows.push_back(
            QStringList {QString::number(p.season), QString::number(pair.cageNumber), pair.cockRing, pair.henRing}
            + figureCells(p.figures));
        table.marked.push_back(false);
        total += p.figures;
    }
    table.rows.push_back(
        QStringList {QCoreApplication::translate("SeasonTables", "Summe"), QString(), QString(), QString()}
        + figureCells(total));
    table.marked.push_back(true);
    return table;
}

SeasonTable animalStatisticsTable(const PairTable& pairs, bool cocks)
{
    SeasonTable table;
    table.headings = QStringList {cocks ? QCoreApplication::translate("SeasonTables", "Hahn")
                                        : QCoreApplication::translate("SeasonTables", "Henne")}
        + figureHeadings();
    const AnimalTotals totals = animalTotals(pairs);
    const QMap<QString, BreedingFigures>& animals = cocks ? totals.cocks : totals.hens;
    for (auto it = animals.cbegin(); it != animals.cend(); ++it) {
        table.rows.push_back(QStringList {it.key()} + figureCells(it.value()));
        table.marked.push_back(false);
    }
    return table;
}
