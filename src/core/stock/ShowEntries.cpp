#include "core/stock/ShowEntries.h"

#include "core/records/RecordsDatabase.h"
#include "core/stock/StockDocument.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <map>

namespace {

// Whether every bird of a collection keeps the show's rule for the sexes.
bool keepsRule(CollectionRule rule, const std::vector<Sex>& sexes)
{
    const auto all = [&](Sex sex) {
        return std::all_of(sexes.begin(), sexes.end(), [sex](Sex s) { return s == sex; });
    };
    switch (rule) {
    case CollectionRule::AnySex:
        return true;
    case CollectionRule::OneSex:
        return all(Sex::Male) || all(Sex::Female);
    case CollectionRule::CocksOnly:
        return all(Sex::Male);
    case CollectionRule::HensOnly:
        return all(Sex::Female);
    }
    return true;
}

} // namespace

QStringList entryWarnings(const StockDocument& stock, const ShowEvent& show, const std::vector<ShowEntry>& entries)
{
    QStringList warnings;
    QHash<QString, int> timesEntered;
    std::map<int, std::vector<Sex>> collections;
    for (const ShowEntry& e : entries) {
        ++timesEntered[e.ring];
        if (e.collection) {
            const Animal* bird = stock.lastActive(e.ring);
            collections[*e.collection].push_back(bird ? bird->sex : Sex::Unknown);
        }
    }
    QStringList told;
    for (const ShowEntry& e : entries) {
        const int times = timesEntered.value(e.ring);
        if (times > 1 && !told.contains(e.ring)) {
            //: %1 a ring number, %2 how often it is entered
            warnings << QCoreApplication::translate("ShowEntries", "Der Vogel %1 ist %2-mal gemeldet.")
                            .arg(e.ring)
                            .arg(times);
            told << e.ring;
        }
    }
    for (const auto& [number, sexes] : collections) {
        if (sexes.size() != 4)
            //: %1 the number of the collection, %2 how many birds it has
            warnings << QCoreApplication::translate("ShowEntries", "Die Kollektion %1 hat %2 statt 4 Vögel.")
                            .arg(number)
                            .arg(qsizetype(sexes.size()));
        if (!keepsRule(show.collectionRule, sexes)) {
            const QString rule = show.collectionRule == CollectionRule::OneSex
                ? QCoreApplication::translate("ShowEntries", "Die Kollektion %1 mischt Hähne und Hennen.")
                : show.collectionRule == CollectionRule::CocksOnly
                ? QCoreApplication::translate("ShowEntries", "In der Kollektion %1 sind nicht nur Hähne.")
                : QCoreApplication::translate("ShowEntries", "In der Kollektion %1 sind nicht nur Hennen.");
            warnings << rule.arg(number);
        }
    }
    return warnings;
}

QStringList classesOffered(const StockDocument& stock, const QString& ring)
{
    const Animal* bird = stock.lastActive(ring);
    // Per class: how near its birds come to this one (0 breed and colour, 1 breed, 2 other) and how often it was used.
    QHash<QString, std::pair<int, int>> found;
    const auto note = [&](const QString& showClass, const QString& ofRing) {
        if (showClass.isEmpty())
            return;
        const Animal* other = stock.lastActive(ofRing);
        int nearness = 2;
        if (bird && other && other->breed == bird->breed)
            nearness = other->colour == bird->colour ? 0 : 1;
        auto& [best, uses] = found[showClass];
        best = uses == 0 ? nearness : std::min(best, nearness);
        ++uses;
    };
    for (const ShowResult& r : stock.records().allShowResults())
        note(r.showClass, r.ring);
    for (const ShowEntry& e : stock.records().allEntries())
        note(e.showClass, e.ring);
    QStringList classes = found.keys();
    std::sort(classes.begin(), classes.end(), [&](const QString& a, const QString& b) {
        const auto& [nearA, usesA] = found[a];
        const auto& [nearB, usesB] = found[b];
        if (nearA != nearB)
            return nearA < nearB;
        if (usesA != usesB)
            return usesA > usesB;
        return a.localeAwareCompare(b) < 0;
    });
    return classes;
}

QStringList entryListHeadings(bool forForm)
{
    QStringList headings {QCoreApplication::translate("ShowEntries", "Nr."),
                          QCoreApplication::translate("ShowEntries", "Klasse"),
                          QCoreApplication::translate("ShowEntries", "Ringnummer"),
                          QCoreApplication::translate("ShowEntries", "Geschlecht"),
                          QCoreApplication::translate("ShowEntries", "Farbe"),
                          QCoreApplication::translate("ShowEntries", "Rasse"),
                          QCoreApplication::translate("ShowEntries", "Kollektion")};
    if (!forForm)
        headings << QCoreApplication::translate("ShowEntries", "Käfig-Nr.")
                 << QCoreApplication::translate("ShowEntries", "Punkte")
                 << QCoreApplication::translate("ShowEntries", "Preis");
    return headings;
}

std::vector<QStringList> entryListRows(const StockDocument& stock, const std::vector<ShowEntry>& entries, bool forForm)
{
    std::vector<QStringList> rows;
    rows.reserve(entries.size());
    int number = 0;
    for (const ShowEntry& e : entries) {
        const Animal* bird = stock.lastActive(e.ring);
        QStringList row {QString::number(++number),
                         e.showClass,
                         e.ring,
                         bird ? AnimalRecordWords::sexText(bird->sex) : QString(),
                         bird ? bird->colour : QString(),
                         bird ? bird->breed : QString(),
                         e.collection ? QString::number(*e.collection) : QString()};
        if (!forForm)
            row << (e.cageNumber ? QString::number(*e.cageNumber) : QString())
                << (e.halfPoints ? AnimalRecordWords::points(*e.halfPoints) : QString()) << e.award;
        rows.push_back(row);
    }
    return rows;
}
