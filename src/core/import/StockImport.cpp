#include "core/import/StockImport.h"

#include "core/model/TextRules.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("StockImport", text);
}

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

// Fills the row's animal from its cells; the first problem found, or empty.
QString readRow(const Cells& cells, const ImportOptions& options, bool known, ImportRow& row)
{
    Animal& a = row.animal;
    auto store = [&](ImportField field, auto& slot, const auto& value) {
        const bool emptySlot = slot == std::decay_t<decltype(slot)>();
        if (slot == value)
            return;
        if (known && !options.overwrite && !emptySlot) {
            row.keptFields << importFieldName(field);
            return;
        }
        slot = value;
        if (known)
            row.changedFields << importFieldName(field);
    };
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
            row.notes
                << tr("%1 auf %2 Zeichen gekürzt: „%3“").arg(importFieldName(field)).arg(kAnimalTextLength).arg(value);
        }
        store(field, a.*member, value);
    }
    for (const auto& [field, member] :
         {std::pair {ImportField::Father, &Animal::fatherRing}, std::pair {ImportField::Mother, &Animal::motherRing}}) {
        const QString parent = cells.of(field).trimmed();
        if (parent.size() > kRingLength)
            return tr("Die Ringnummer „%1“ (%2) ist länger als %3 Zeichen.")
                .arg(parent, importFieldName(field))
                .arg(kRingLength);
        if (!parent.isEmpty())
            store(field, a.*member, parent);
    }
    if (const QString text = cells.of(ImportField::Sex); !text.trimmed().isEmpty()) {
        const std::optional<Sex> sex = sexOfText(text);
        if (!sex)
            return tr("Das Geschlecht „%1“ ist unbekannt (erwartet: 1.0 oder 0.1, m oder w, Hahn oder Henne).")
                .arg(text);
        store(ImportField::Sex, a.sex, *sex);
    }
    if (const QString text = cells.of(ImportField::Year); !text.trimmed().isEmpty()) {
        const std::optional<qint32> year = yearOfText(text);
        if (!year)
            return tr("Das Geburtsjahr „%1“ liegt nicht zwischen 1900 und 2100.").arg(text);
        store(ImportField::Year, a.birthYear, *year);
    }
    if (const QString text = cells.of(ImportField::Sold); !text.trimmed().isEmpty()) {
        const std::optional<bool> sold = soldOfText(text);
        if (!sold)
            return tr("„%1“ in „Verkauft“ ist weder ja noch nein.").arg(text);
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
            row.problem = tr("%1 würde sein eigener Vorfahr.").arg(row.ring);
        }
    }
}

} // namespace

int ImportPlan::count(ImportRow::Status status) const
{
    return int(std::count_if(rows.begin(), rows.end(), [status](const ImportRow& r) { return r.status == status; }));
}

QString ImportPlan::summary() const
{
    using S = ImportRow::Status;
    return tr("%1 neu, %2 geändert, %3 unverändert, %4 fehlerhaft")
        .arg(count(S::New))
        .arg(count(S::Changed))
        .arg(count(S::Unchanged))
        .arg(count(S::Error));
}

ImportPlan planStockImport(const AnimalTable& animals, const RingIndex& index, const CsvTable& table,
                           const std::vector<ImportField>& mapping, const ImportOptions& options)
{
    ImportPlan plan;
    plan.rows.reserve(table.rows.size());
    QHash<QString, int> lineOfRing;
    for (size_t r = 0; r < table.rows.size(); ++r) {
        ImportRow row;
        row.line = r < table.lines.size() ? table.lines[r] : int(r) + 2;
        const Cells cells {table.rows[r], mapping};
        row.ring = cells.of(ImportField::Ring).trimmed();
        if (row.ring.isEmpty()) {
            row.problem = tr("Die Ringnummer ist leer.");
        } else if (row.ring.size() > kRingLength) {
            row.problem = tr("Die Ringnummer „%1“ ist länger als %2 Zeichen.").arg(row.ring).arg(kRingLength);
        } else if (const auto twice = lineOfRing.constFind(row.ring); twice != lineOfRing.constEnd()) {
            row.problem = tr("Die Ringnummer %1 steht schon in Zeile %2.").arg(row.ring).arg(*twice);
        } else {
            lineOfRing.insert(row.ring, row.line);
            const qsizetype stored = index.lastActiveWith(row.ring);
            const bool known = stored >= 0;
            if (known) {
                row.animal = animals[size_t(stored)];
            } else {
                row.animal.ringNumber = row.ring;
                row.animal.active = 1;
            }
            row.problem = readRow(cells, options, known, row);
            if (row.problem.isEmpty())
                row.status = !known               ? ImportRow::Status::New
                    : row.changedFields.isEmpty() ? ImportRow::Status::Unchanged
                                                  : ImportRow::Status::Changed;
        }
        plan.rows.push_back(std::move(row));
    }
    markAncestorLoops(animals, plan);

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

bool importStock(StockDocument& stock, const ImportPlan& plan)
{
    if (plan.hasErrors())
        return false;
    AnimalTable added;
    std::vector<Animal> updated;
    for (const ImportRow& row : plan.rows) {
        if (row.status == ImportRow::Status::New)
            added.push_back(row.animal);
        else if (row.status == ImportRow::Status::Changed)
            updated.push_back(row.animal);
    }
    if (added.empty() && updated.empty())
        return false;
    const QString text = tr("Bestand importiert: %1 neu, %2 geändert").arg(added.size()).arg(updated.size());
    stock.importAnimals(text, std::move(added), updated);
    return true;
}
