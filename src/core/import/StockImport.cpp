#include "core/import/StockImport.h"

#include "core/genetics/AnimalGenes.h"
#include "core/genetics/FactorTable.h"
#include "core/model/Dates.h"
#include "core/model/TextRules.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

struct Cells
{
    const QStringList& row;
    const std::vector<ImportField>& mapping;

    // The cell of the field, without the apostrophe of a formula-like text; empty when there is none.
    QString of(ImportField field) const
    {
        for (size_t i = 0; i < mapping.size() && i < size_t(row.size()); ++i)
            if (mapping[i] == field)
                return cellText(row[qsizetype(i)]);
        return {};
    }
};

// A value from the file into what is stored: a filled slot of a known ring
// changes only when the file overwrites; the row notes what changed and what was kept.
struct Merge
{
    const ImportOptions& options;
    bool known;
    ImportRow& row;

    template<typename T> void operator()(ImportField field, T& slot, const T& value) const
    {
        if (slot == value)
            return;
        if (known && !options.overwrite && !(slot == T())) {
            row.keptFields << importFieldName(field);
            return;
        }
        slot = value;
        if (known)
            row.changedFields << importFieldName(field);
    }
};

bool hasAny(const std::vector<ImportField>& mapping, std::initializer_list<ImportField> fields)
{
    return std::any_of(fields.begin(), fields.end(),
                       [&](ImportField f) { return std::find(mapping.begin(), mapping.end(), f) != mapping.end(); });
}

// A date as the program's CSVs write it (05.03.2024), or as breeders type it.
std::optional<QDate> dateOfText(const QString& text)
{
    const std::optional<double> days = Dates::parse(text.trimmed());
    if (!days)
        return std::nullopt;
    return Dates::toDate(*days);
}

QString notADate(const QString& text, ImportField field)
{
    return QCoreApplication::translate("StockImport", "„%1“ in „%2“ ist kein Datum wie 05.03.2024.")
        .arg(text, importFieldName(field));
}

// The records of an animal's row, merged into those stored under its ring;
// the first problem found, or empty.
QString readRecords(const Cells& cells, const Merge& store, const std::optional<Whereabouts>& storedWhereabouts,
                    const FactorStates& storedFactors, Animal& a, std::optional<AnimalRecordChange>& change)
{
    Whereabouts none;
    none.ring = a.ringNumber;
    Whereabouts w = storedWhereabouts.value_or(none);
    if (const QString text = cells.of(ImportField::WhereaboutsStatus); !text.trimmed().isEmpty()) {
        const std::optional<WhereaboutsStatus> status = whereaboutsOfText(text);
        if (!status)
            return QCoreApplication::translate(
                       "StockImport",
                       "Der Verbleib „%1“ ist unbekannt (erwartet: im Bestand, verkauft, abgegeben, verstorben "
                       "oder entflogen).")
                .arg(text);
        store(ImportField::WhereaboutsStatus, w.status, *status);
    }
    if (const QString text = cells.of(ImportField::WhereaboutsDate); !text.trimmed().isEmpty()) {
        const std::optional<QDate> date = dateOfText(text);
        if (!date)
            return notADate(text, ImportField::WhereaboutsDate);
        store(ImportField::WhereaboutsDate, w.date, *date);
    }
    for (const auto& [field, member] : {std::pair {ImportField::Buyer, &Whereabouts::buyerName},
                                        std::pair {ImportField::BuyerAddress, &Whereabouts::buyerAddress},
                                        std::pair {ImportField::WhereaboutsNote, &Whereabouts::note}}) {
        if (const QString text = cells.of(field); !text.isEmpty())
            store(field, w.*member, text);
    }
    if (const QString text = cells.of(ImportField::Price); !text.trimmed().isEmpty()) {
        const std::optional<qint64> cents = AnimalRecordWords::parsePrice(text);
        if (!cents)
            return QCoreApplication::translate("StockImport", "Der Preis „%1“ ist kein Betrag wie 45,50.").arg(text);
        store(ImportField::Price, w.priceCents, cents);
    }
    // Gone from the stock is sold, as the change dialog has it.
    if (!w.inStock())
        store(ImportField::Sold, a.sold, quint8(1));
    const bool whereaboutsChange = w != storedWhereabouts.value_or(none);

    FactorStates factors = storedFactors;
    if (const QString text = cells.of(ImportField::Factors); !text.trimmed().isEmpty()) {
        QString problem;
        const std::optional<FactorStates> file = readWrittenFactors(FactorTable::canary(), text, problem);
        if (!file)
            return problem;
        // Factor by factor: one the file names joins those entered, or replaces it when overwriting.
        bool kept = false;
        for (const auto& [key, state] : *file) {
            FactorState& slot = factors[key];
            if (slot != FactorState::Unknown && slot != state && store.known && !store.options.overwrite)
                kept = true;
            else
                slot = state;
        }
        if (kept)
            store.row.keptFields << importFieldName(ImportField::Factors);
        if (factors != storedFactors && store.known)
            store.row.changedFields << importFieldName(ImportField::Factors);
    }
    if (whereaboutsChange || factors != storedFactors) {
        change = AnimalRecordChange {};
        if (whereaboutsChange)
            change->whereabouts = w;
        if (factors != storedFactors)
            change->factors = factors;
    }
    return {};
}

// Fills the row's animal from its cells; the first problem found, or empty.
QString readRow(const Cells& cells, const Merge& store, ImportRow& row)
{
    Animal& a = row.animal;
    const std::pair<ImportField, QString Animal::*> texts[] = {
        {ImportField::Breeder, &Animal::breeder},   {ImportField::Colour, &Animal::colour},
        {ImportField::Markings, &Animal::markings}, {ImportField::Breed, &Animal::breed},
        {ImportField::Remarks, &Animal::remarks},   {ImportField::ListRemarks, &Animal::listRemarks},
    };
    for (const auto& [field, member] : texts) {
        QString value = cells.of(field);
        if (value.isEmpty())
            continue;
        const bool bounded = member != &Animal::remarks && member != &Animal::listRemarks;
        if (bounded && value.size() > kAnimalTextLength) {
            value = cutTo(value, kAnimalTextLength);
            row.notes << QCoreApplication::translate("StockImport", "%1 auf %2 Zeichen gekürzt: „%3“")
                             .arg(importFieldName(field))
                             .arg(kAnimalTextLength)
                             .arg(value);
        }
        store(field, a.*member, value);
    }
    for (const auto& [field, member] :
         {std::pair {ImportField::Father, &Animal::fatherRing}, std::pair {ImportField::Mother, &Animal::motherRing}}) {
        const QString parent = cells.of(field).trimmed();
        if (parent.size() > kRingLength)
            return QCoreApplication::translate("StockImport", "Die Ringnummer „%1“ (%2) ist länger als %3 Zeichen.")
                .arg(parent, importFieldName(field))
                .arg(kRingLength);
        if (!parent.isEmpty())
            store(field, a.*member, parent);
    }
    if (const QString text = cells.of(ImportField::Sex); !text.trimmed().isEmpty()) {
        const std::optional<Sex> sex = sexOfText(text);
        if (!sex)
            return QCoreApplication::translate(
                       "StockImport",
                       "Das Geschlecht „%1“ ist unbekannt (erwartet: 1.0 oder 0.1, m oder w, Hahn oder Henne).")
                .arg(text);
        store(ImportField::Sex, a.sex, *sex);
    }
    if (const QString text = cells.of(ImportField::Year); !text.trimmed().isEmpty()) {
        const std::optional<qint32> year = yearOfText(text);
        if (!year)
            return QCoreApplication::translate("StockImport",
                                               "Das Geburtsjahr „%1“ liegt nicht zwischen 1900 und 2100.")
                .arg(text);
        store(ImportField::Year, a.birthYear, *year);
    }
    if (const QString text = cells.of(ImportField::Sold); !text.trimmed().isEmpty()) {
        const std::optional<bool> sold = soldOfText(text);
        if (!sold)
            return QCoreApplication::translate("StockImport", "„%1“ in „Verkauft“ ist weder ja noch nein.").arg(text);
        store(ImportField::Sold, a.sold, quint8(*sold ? 1 : 0));
    }
    return {};
}

// Rows whose animal would be among its own ancestors, once the file's
// parents are in: those on a loop of parent links, found as the strongly
// connected components of the links (Tarjan), in time linear in the stock.
void markAncestorLoops(const AnimalTable& animals, ImportPlan& plan)
{
    QHash<QString, std::pair<QString, QString>> parents;
    for (const Animal& a : animals)
        if (a.isActive())
            parents.insert(a.ringNumber, {a.fatherRing, a.motherRing});
    for (const ImportRow& row : plan.rows)
        if (row.status != ImportRow::Status::Error)
            parents.insert(row.ring, {row.animal.fatherRing, row.animal.motherRing});

    QSet<QString> onLoop;
    QHash<QString, int> order; // when a ring was reached
    QHash<QString, int> low; // the earliest ring still open that it leads back to
    QStringList open;
    QSet<QString> isOpen;
    struct Frame
    {
        QString ring;
        int next = 0; // 0 father, 1 mother, 2 done
    };
    std::vector<Frame> frames;
    auto reach = [&](const QString& ring) {
        order.insert(ring, int(order.size()));
        low.insert(ring, order.value(ring));
        open << ring;
        isOpen.insert(ring);
        frames.push_back({ring, 0});
    };
    for (const ImportRow& row : plan.rows) {
        if (row.status == ImportRow::Status::Error || order.contains(row.ring))
            continue;
        reach(row.ring);
        while (!frames.empty()) {
            Frame& top = frames.back();
            if (top.next < 2) {
                const auto& links = parents[top.ring];
                const QString parent = top.next++ == 0 ? links.first : links.second;
                if (parent == top.ring)
                    onLoop.insert(parent);
                if (parent.isEmpty() || !parents.contains(parent))
                    continue;
                if (!order.contains(parent))
                    reach(parent); // `top` is not used after this
                else if (isOpen.contains(parent))
                    low[top.ring] = std::min(low[top.ring], order.value(parent));
                continue;
            }
            const QString ring = top.ring;
            frames.pop_back();
            if (!frames.empty())
                low[frames.back().ring] = std::min(low[frames.back().ring], low[ring]);
            if (low[ring] != order[ring])
                continue;
            QStringList component;
            do {
                component << open.takeLast();
                isOpen.remove(component.back());
            } while (component.back() != ring);
            if (component.size() > 1)
                for (const QString& r : std::as_const(component))
                    onLoop.insert(r);
        }
    }
    for (ImportRow& row : plan.rows) {
        if (row.status != ImportRow::Status::Error && onLoop.contains(row.ring)) {
            row.status = ImportRow::Status::Error;
            row.problem = QCoreApplication::translate("StockImport", "%1 würde sein eigener Vorfahr.").arg(row.ring);
        }
    }
}

} // namespace

int ImportPlan::count(ImportRow::Status status) const
{
    return int(std::count_if(rows.begin(), rows.end(), [status](const ImportRow& r) { return r.status == status; }));
}

bool ImportPlan::bringsChanges() const
{
    return !records.empty() || count(ImportRow::Status::New) > 0 || count(ImportRow::Status::Changed) > 0;
}

QString ImportPlan::summary() const
{
    using S = ImportRow::Status;
    return QCoreApplication::translate("StockImport", "%1 neu, %2 geändert, %3 unverändert, %4 fehlerhaft")
        .arg(count(S::New))
        .arg(count(S::Changed))
        .arg(count(S::Unchanged))
        .arg(count(S::Error));
}

namespace {

ImportRow::Status statusOf(bool known, const ImportRow& row)
{
    return !known                     ? ImportRow::Status::New
        : row.changedFields.isEmpty() ? ImportRow::Status::Unchanged
                                      : ImportRow::Status::Changed;
}

// The problem of a ring cell, or empty.
QString ringProblem(const QString& ring)
{
    if (ring.isEmpty())
        return QCoreApplication::translate("StockImport", "Die Ringnummer ist leer.");
    if (ring.size() > kRingLength)
        return QCoreApplication::translate("StockImport", "Die Ringnummer „%1“ ist länger als %2 Zeichen.")
            .arg(ring)
            .arg(kRingLength);
    return {};
}

// Every so many rows the progress is told, and may stop the planning.
bool goOn(const ImportProgress& progress, size_t done, size_t total)
{
    return !progress || done % 2048 != 0 || progress(qsizetype(done), qsizetype(total));
}

// A row of the file with its line and ring.
ImportRow rowAt(const CsvTable& table, size_t r, const Cells& cells)
{
    ImportRow row;
    row.line = r < table.lines.size() ? table.lines[r] : int(r) + 2;
    row.ring = cells.of(ImportField::Ring).trimmed();
    return row;
}

ImportPlan cancelledPlan()
{
    ImportPlan plan;
    plan.cancelled = true;
    return plan;
}

ImportPlan planAnimals(const StockDocument& stock, const CsvTable& table, const std::vector<ImportField>& mapping,
                       const ImportOptions& options, const ImportProgress& progress)
{
    const AnimalTable& animals = stock.animals();
    const RingIndex& index = stock.ringIndex();
    ImportPlan plan;
    plan.rows.reserve(table.rows.size());
    // The records stored are read only for a file that has some.
    QHash<QString, Whereabouts> storedWhereabouts;
    QHash<QString, FactorStates> storedFactors;
    const bool withRecords
        = hasAny(mapping,
                 {ImportField::WhereaboutsStatus, ImportField::WhereaboutsDate, ImportField::Buyer,
                  ImportField::BuyerAddress, ImportField::Price, ImportField::WhereaboutsNote, ImportField::Factors});
    if (withRecords) {
        for (Whereabouts& w : stock.records().allWhereabouts())
            storedWhereabouts.insert(w.ring, std::move(w));
        storedFactors = stock.records().allColourFactors();
    }
    std::vector<std::optional<AnimalRecordChange>> records(table.rows.size());
    QHash<QString, int> lineOfRing;
    for (size_t r = 0; r < table.rows.size(); ++r) {
        if (!goOn(progress, r, table.rows.size()))
            return cancelledPlan();
        const Cells cells {table.rows[r], mapping};
        ImportRow row = rowAt(table, r, cells);
        const auto twice = lineOfRing.constFind(row.ring);
        row.problem = ringProblem(row.ring);
        if (row.problem.isEmpty() && twice != lineOfRing.constEnd())
            row.problem = QCoreApplication::translate("StockImport", "Die Ringnummer %1 steht schon in Zeile %2.")
                              .arg(row.ring)
                              .arg(*twice);
        if (row.problem.isEmpty()) {
            lineOfRing.insert(row.ring, row.line);
            const qsizetype stored = index.lastActiveWith(row.ring);
            const bool known = stored >= 0;
            if (known) {
                row.animal = animals[size_t(stored)];
            } else {
                row.animal.ringNumber = row.ring;
                row.animal.active = 1;
            }
            const Merge store {options, known, row};
            row.problem = readRow(cells, store, row);
            if (row.problem.isEmpty() && withRecords) {
                const auto w = storedWhereabouts.constFind(row.ring);
                row.problem = readRecords(
                    cells, store, w == storedWhereabouts.constEnd() ? std::nullopt : std::optional<Whereabouts>(*w),
                    storedFactors.value(row.ring), row.animal, records[r]);
            }
            if (row.problem.isEmpty())
                row.status = statusOf(known, row);
        }
        plan.rows.push_back(std::move(row));
    }
    markAncestorLoops(animals, plan);
    for (size_t r = 0; r < plan.rows.size(); ++r)
        if (records[r] && plan.rows[r].status != ImportRow::Status::Error)
            plan.records.emplace_back(plan.rows[r].ring, std::move(*records[r]));

    QSet<QString> listed;
    for (const ImportRow& row : plan.rows) {
        if (row.status == ImportRow::Status::Error)
            continue;
        for (const QString& parent : {row.animal.fatherRing, row.animal.motherRing}) {
            if (parent.isEmpty() || lineOfRing.contains(parent) || index.lastWith(parent) >= 0
                || listed.contains(parent))
                continue;
            listed.insert(parent);
            plan.unknownParents << parent;
        }
    }
    return plan;
}

// One show result per row, matched to a stored one by ring, date and show.
ImportPlan planShowResults(const StockDocument& stock, const CsvTable& table, const std::vector<ImportField>& mapping,
                           const ImportOptions& options, const ImportProgress& progress)
{
    ImportPlan plan;
    plan.showResults = true;
    plan.rows.reserve(table.rows.size());
    QHash<QString, std::vector<ShowResult>> results; // by ring: stored, then as the file leaves them
    for (ShowResult& r : stock.records().allShowResults())
        results[r.ring].push_back(std::move(r));
    QHash<QString, int> lineOfResult; // by ring, date and show
    QSet<QString> reached;
    for (size_t r = 0; r < table.rows.size(); ++r) {
        if (!goOn(progress, r, table.rows.size()))
            return cancelledPlan();
        const Cells cells {table.rows[r], mapping};
        ImportRow row = rowAt(table, r, cells);
        const QString dateText = cells.of(ImportField::ShowDate);
        const std::optional<QDate> date = dateOfText(dateText);
        const QString show = cells.of(ImportField::Show).trimmed();
        const QString pointsText = cells.of(ImportField::Points).trimmed();
        const std::optional<int> halfPoints = pointsText.isEmpty() ? 0 : halfPointsOfText(pointsText);
        const QString collectionText = cells.of(ImportField::Collection).trimmed();
        bool numbered = false;
        const int collection = collectionText.toInt(&numbered);
        const QString key
            = row.ring + QChar(0x1F) + (date ? date->toString(Qt::ISODate) : dateText) + QChar(0x1F) + show;
        const auto twice = lineOfResult.constFind(key);
        row.problem = [&] {
            if (const QString problem = ringProblem(row.ring); !problem.isEmpty())
                return problem;
            if (stock.ringIndex().lastActiveWith(row.ring) < 0)
                return QCoreApplication::translate("StockImport", "%1 ist nicht im Bestand.").arg(row.ring);
            if (!date)
                return notADate(dateText, ImportField::ShowDate);
            if (show.isEmpty())
                return QCoreApplication::translate("StockImport", "Der Name der Schau fehlt.");
            if (!halfPoints)
                return QCoreApplication::translate("StockImport",
                                                   "„%1“ sind keine Punkte von 0 bis 100 in halben Punkten.")
                    .arg(pointsText);
            if (!collectionText.isEmpty() && (!numbered || collection < 1))
                return QCoreApplication::translate("StockImport", "„%1“ ist keine Nummer einer Kollektion.")
                    .arg(collectionText);
            if (twice != lineOfResult.constEnd())
                return QCoreApplication::translate("StockImport", "Dieses Ergebnis steht schon in Zeile %1.")
                    .arg(*twice);
            return QString();
        }();
        if (row.problem.isEmpty()) {
            lineOfResult.insert(key, row.line);
            std::vector<ShowResult>& ofRing = results[row.ring];
            auto match = std::find_if(ofRing.begin(), ofRing.end(),
                                      [&](const ShowResult& s) { return s.date == *date && s.show == show; });
            const bool known = match != ofRing.end();
            if (!known) {
                ShowResult added;
                added.ring = row.ring;
                added.date = *date;
                added.show = show;
                match = ofRing.insert(ofRing.end(), added);
            }
            ShowResult& result = *match;
            const Merge store {options, known, row};
            if (const QString text = cells.of(ImportField::ShowClass); !text.isEmpty())
                store(ImportField::ShowClass, result.showClass, text);
            if (!pointsText.isEmpty())
                store(ImportField::Points, result.halfPoints, *halfPoints);
            if (const QString text = cells.of(ImportField::Award); !text.isEmpty())
                store(ImportField::Award, result.award, text);
            if (!collectionText.isEmpty())
                store(ImportField::Collection, result.collection, std::optional<int>(collection));
            row.status = statusOf(known, row);
            if (row.status != ImportRow::Status::Unchanged)
                reached.insert(row.ring);
        }
        plan.rows.push_back(std::move(row));
    }
    for (const ImportRow& row : plan.rows) {
        if (!reached.contains(row.ring))
            continue;
        reached.remove(row.ring);
        plan.records.emplace_back(row.ring, AnimalRecordChange {.showResults = results.value(row.ring)});
    }
    return plan;
}

} // namespace

ImportPlan planStockImport(const StockDocument& stock, const CsvTable& table, const std::vector<ImportField>& mapping,
                           const ImportOptions& options, const ImportProgress& progress)
{
    return holdsShowResults(mapping) ? planShowResults(stock, table, mapping, options, progress)
                                     : planAnimals(stock, table, mapping, options, progress);
}

QString importStock(StockDocument& stock, const ImportPlan& plan)
{
    if (plan.hasErrors())
        return QCoreApplication::translate("StockImport", "Solange eine Zeile fehlerhaft ist, wird nichts importiert.");
    if (plan.cancelled)
        return QCoreApplication::translate("StockImport", "Die Prüfung wurde abgebrochen; es wurde nichts importiert.");
    AnimalTable added;
    std::vector<Animal> updated;
    if (!plan.showResults) {
        for (const ImportRow& row : plan.rows) {
            if (row.status == ImportRow::Status::New)
                added.push_back(row.animal);
            else if (row.status == ImportRow::Status::Changed)
                updated.push_back(row.animal);
        }
    }
    if (!plan.bringsChanges())
        return QCoreApplication::translate("StockImport", "Die Datei bringt nichts Neues.");
    const QString text = plan.showResults
        ? QCoreApplication::translate("StockImport", "Ausstellungsergebnisse importiert: %1 neu, %2 geändert")
              .arg(plan.count(ImportRow::Status::New))
              .arg(plan.count(ImportRow::Status::Changed))
        : QCoreApplication::translate("StockImport", "Bestand importiert: %1 neu, %2 geändert")
              .arg(added.size())
              .arg(updated.size());
    return stock.importAnimals(text, std::move(added), updated, plan.records);
}
