#include "core/stock/AnimalChange.h"

#include "core/model/TextRules.h"

QString applyAnimalEdit(AnimalTable& animals, const QString& selectedRing, const AnimalEdit& change)
{
    const AnimalInput& edit = change.fields;
    // A ring is taken by another active animal, compared upper-cased; keeping one's own ring is no duplicate.
    if (edit.ring != selectedRing) {
        const QString wanted = upperAscii(edit.ring);
        for (const TTauben& a : animals) {
            if (a.Active != 0 && upperAscii(a.RingNumber) == wanted)
                return QStringLiteral("Diese Ringnummer existiert schon.");
        }
    }
    const auto year = toInt32(edit.year);
    if (!year)
        return notAnIntegerMessage(edit.year);
    for (TTauben& a : animals) {
        if (a.Active == 0 || a.RingNumber != selectedRing)
            continue;
        a.RingNumber = cutTo(edit.ring, kRingLength);
        if (edit.sex >= 0)
            a.Sex = edit.sex;
        a.BirthYear = *year;
        a.Breeder = cutTo(edit.breeder, kAnimalTextLength);
        a.Colour = cutTo(edit.colour, kAnimalTextLength);
        a.Markings = cutTo(edit.markings, kAnimalTextLength);
        a.Breed = cutTo(edit.breed, kAnimalTextLength);
        a.Remarks = edit.remarks;
        a.ListRemarks = edit.listRemarks;
        a.Sold = change.sold ? 1 : 0;
    }
    return {};
}

int linksTo(const Database& db, const QString& ring)
{
    if (ring.isEmpty())
        return 0;
    int links = 0;
    for (const TTauben& a : db.animals)
        links += (a.FatherRing == ring) + (a.MotherRing == ring);
    for (const TZuchtpaar& p : db.pairs) {
        links += (p.CockRing == ring) + (p.HenRing == ring);
        for (const TGelege& clutch : p.Clutches) {
            for (const TJungtier& young : clutch.Young)
                links += young.Ring == ring;
        }
    }
    return links;
}

void carryRingChange(Database& db, const QString& oldRing, const QString& newRing)
{
    if (oldRing.isEmpty())
        return;
    auto carry = [&](QString& link) {
        if (link == oldRing)
            link = newRing;
    };
    for (TTauben& a : db.animals) {
        carry(a.FatherRing);
        carry(a.MotherRing);
    }
    for (TZuchtpaar& p : db.pairs) {
        carry(p.CockRing);
        carry(p.HenRing);
        for (TGelege& clutch : p.Clutches) {
            for (TJungtier& young : clutch.Young)
                carry(young.Ring);
        }
    }
}
