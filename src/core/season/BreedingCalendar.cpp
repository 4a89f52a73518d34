#include "core/season/BreedingCalendar.h"

#include "core/model/Dates.h"

#include <algorithm>
#include <tuple>

#include <QCoreApplication>

namespace {

QDate dateOf(double days)
{
    return days == 0 ? QDate() : Dates::toDate(days);
}

bool hasHatched(const Youngster& y)
{
    return y.hatched != 0 || y.isRinged();
}

} // namespace

QString taskWord(BreedingTask task)
{
    switch (task) {
    case BreedingTask::Candling:
        return QCoreApplication::translate("BreedingCalendar", "Schieren");
    case BreedingTask::Hatching:
        return QCoreApplication::translate("BreedingCalendar", "Schlupf");
    case BreedingTask::Ringing:
        return QCoreApplication::translate("BreedingCalendar", "Beringen");
    case BreedingTask::Weaning:
        return QCoreApplication::translate("BreedingCalendar", "Absetzen");
    }
    return {};
}

std::optional<QDate> incubationStart(const Clutch& clutch)
{
    const QDate start = dateOf(clutch.incubationStart != 0 ? clutch.incubationStart : clutch.lastEgg);
    if (!start.isValid() || clutch.young.empty())
        return std::nullopt;
    return start;
}

std::vector<DueTask> dueTasks(const PairTable& pairs, const CalendarDays& days, const QDate& today, const QDate& until)
{
    std::vector<DueTask> tasks;
    for (size_t p = 0; p < pairs.size(); ++p) {
        const BreedingPair& pair = pairs[p];
        for (size_t c = 0; c < pair.clutches.size(); ++c) {
            const Clutch& clutch = pair.clutches[c];
            const std::optional<QDate> start = incubationStart(clutch);
            if (!start)
                continue;
            auto add = [&](const QDate& date, BreedingTask task, std::optional<int> egg) {
                // Every task offered is not done yet: overdue before today, due up to `until`.
                if (date <= until)
                    tasks.push_back(
                        {date, task, int(p), pair.cageNumber, pair.cockRing, pair.henRing, int(c), egg, date < today});
            };
            const QDate expectedHatch = start->addDays(days.hatching);
            const bool anyHatched = std::any_of(clutch.young.begin(), clutch.young.end(), hasHatched);
            // Candling makes sense only until the young are due.
            if (today < expectedHatch)
                add(start->addDays(days.candling), BreedingTask::Candling, std::nullopt);
            if (!anyHatched)
                add(expectedHatch, BreedingTask::Hatching, std::nullopt);
            for (size_t e = 0; e < clutch.young.size(); ++e) {
                const Youngster& y = clutch.young[e];
                const QDate hatched = dateOf(y.hatched);
                if (hatched.isValid() && !y.isRinged())
                    add(hatched.addDays(days.ringing), BreedingTask::Ringing, int(e));
                if (hasHatched(y) && y.weaned == 0)
                    add((hatched.isValid() ? hatched : expectedHatch).addDays(days.weaning), BreedingTask::Weaning,
                        int(e));
            }
        }
    }
    std::sort(tasks.begin(), tasks.end(), [](const DueTask& a, const DueTask& b) {
        return std::tuple(a.date, a.cage, a.pair, a.clutch, a.egg.value_or(-1), int(a.task))
            < std::tuple(b.date, b.cage, b.pair, b.clutch, b.egg.value_or(-1), int(b.task));
    });
    return tasks;
}

int eggsAwaitingRings(const PairTable& pairs, const CalendarDays& days, const QDate& today)
{
    const QDate oldest = today.addDays(-days.ringing);
    int eggs = 0;
    for (const BreedingPair& pair : pairs) {
        for (const Clutch& clutch : pair.clutches) {
            const std::optional<QDate> start = incubationStart(clutch);
            if (!start)
                continue;
            const QDate expectedHatch = start->addDays(days.hatching);
            for (const Youngster& y : clutch.young) {
                const QDate hatched = dateOf(y.hatched);
                if (!y.isRinged() && (hatched.isValid() ? hatched : expectedHatch).addDays(days.ringing) >= oldest)
                    ++eggs;
            }
        }
    }
    return eggs;
}
