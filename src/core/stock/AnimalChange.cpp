#include "core/stock/AnimalChange.h"

#include "core/model/TextRules.h"
#include "core/stock/AnimalQueries.h"

#include <QCoreApplication>

#include <algorithm>

AnimalEditResult checkAnimalEdit(const AnimalTable& animals, const QString& selectedRing, const AnimalEdit& change)
{
    return checkAnimalEdit(animals, selectedRing, activeIndicesOf(animals, selectedRing), change);
}

AnimalEditResult checkAnimalEdit(const AnimalTable& animals, const QString& selectedRing,
                                 const std::vector<size_t>& selected, const AnimalEdit& change)
{
    using Outcome = AnimalEditResult::Outcome;
    const AnimalInput& edit = change.fields;
    if (selected.empty()) {
        return {Outcome::NotFound,
                QCoreApplication::translate("AnimalChange",
                                            "Die Ringnummer %1 gehört zu keinem Kanarienvogel im Bestand mehr "
                                            "(gelöscht). Es wurde nichts geändert.")
                    .arg(selectedRing),
                {}};
    }
    if (edit.ring != selectedRing) {
        const QString wanted = upperAscii(edit.ring);
        for (const Animal& a : animals) {
            const bool isChanged = a.ringNumber == selectedRing; // active ones with it are the animal changed
            if (a.isActive() && !isChanged && upperAscii(a.ringNumber) == wanted)
                return {Outcome::Refused,
                        QCoreApplication::translate("AnimalChange", "Diese Ringnummer existiert schon."),
                        {}};
        }
    }
    if (!toInt32(edit.year))
        return {Outcome::Refused, notAnIntegerMessage(edit.year), {}};
    return {};
}

void writeAnimalEdit(AnimalTable& animals, const QString& selectedRing, const AnimalEdit& change)
{
    writeAnimalEdit(animals, activeIndicesOf(animals, selectedRing), change);
}

void writeAnimalEdit(AnimalTable& animals, const std::vector<size_t>& selected, const AnimalEdit& change)
{
    for (const size_t i : selected) {
        Animal& a = animals[i];
        a.ringNumber = change.storedRing();
        if (change.fields.sex)
            a.sex = *change.fields.sex;
        copyEnteredFields(change.fields, a);
        a.sold = change.sold ? 1 : 0;
    }
}

int linksTo(const StockData& db, const QString& ring)
{
    if (ring.isEmpty())
        return 0;
    int links = 0;
    for (const Animal& a : db.animals)
        links += (a.fatherRing == ring) + (a.motherRing == ring);
    for (const BreedingPair& p : db.pairs) {
        links += (p.cockRing == ring) + (p.henRing == ring);
        for (const Clutch& clutch : p.clutches) {
            for (const Youngster& young : clutch.young)
                links += young.ring == ring;
        }
    }
    return links;
}

void carryRingChange(StockData& db, const QString& oldRing, const QString& newRing)
{
    if (oldRing.isEmpty())
        return;
    auto carry = [&](QString& link) {
        if (link == oldRing)
            link = newRing;
    };
    for (Animal& a : db.animals) {
        carry(a.fatherRing);
        carry(a.motherRing);
    }
    for (BreedingPair& p : db.pairs) {
        carry(p.cockRing);
        carry(p.henRing);
        for (Clutch& clutch : p.clutches) {
            for (Youngster& young : clutch.young)
                carry(young.ring);
        }
    }
}
