#pragma once

#include "core/season/BreedingCalendar.h"
#include "core/season/SeasonStatistics.h"

#include <QStringList>

#include <vector>

// The season's lists as rows of text, the same in the windows, on paper and in CSV.
struct SeasonTable
{
    QStringList headings;
    std::vector<QStringList> rows;
    std::vector<bool> marked; // overdue tasks, the totals
};

// Datum, Aufgabe, Hecke, Hahn, Henne, Gelege, Ei, Stand ("überfällig", "heute" or empty).
SeasonTable calendarTable(const std::vector<DueTask>& tasks, const QDate& today);

// Per pair of a season (or of every season): Jahr, Hecke, Hahn, Henne, the
// figures and both rates, then a line "Summe" (marked).
SeasonTable pairStatisticsTable(const PairTable& pairs, std::optional<int> season);

// Per cock or per hen over every pair it was in: Ring, Paare... the figures and both rates.
SeasonTable animalStatisticsTable(const PairTable& pairs, bool cocks);

// A rate as German text: "75 %", "66,7 %"; empty for none.
QString ratePercent(std::optional<double> rate);

// What each figure means, for the windows' tooltips: by the headings above.
QString figureExplanation(const QString& heading);
