#include "core/stock/ParentLinks.h"

#include "core/model/Alphabetical.h"
#include "core/model/TextRules.h"

#include <QCoreApplication>

QString soldParentEntry()
{
    //: stands for the stored parent that is sold, upper case
    return QCoreApplication::translate("ParentLinks", "VERK. KANARIENVOGEL");
}

ParentLists buildParentLists(const AnimalTable& animals, const ParentListOptions& options)
{
    ParentLists lists;
    for (const Animal& a : animals) {
        if (options.hideSold && a.sold != 0)
            continue;
        const bool breedMatches = !options.breed || a.breed == *options.breed;
        if (a.active != 0 && breedMatches)
            lists.children.append(a.ringNumber);
        const bool parentMayShow
            = (a.active != 0 || options.showDeleted) && (!options.breed || !options.filterParentsToo || breedMatches);
        if (parentMayShow && a.sex == Sex::Female)
            lists.mothers.append(a.ringNumber);
        if (parentMayShow && a.sex == Sex::Male)
            lists.fathers.append(a.ringNumber);
    }
    if (options.hideSold) {
        lists.mothers.append(soldParentEntry());
        lists.fathers.append(soldParentEntry());
    }
    sortAlphabetically(lists.children);
    sortAlphabetically(lists.mothers);
    sortAlphabetically(lists.fathers);
    return lists;
}

namespace {

QString parentEntry(const QString& stored, const QStringList& list, bool hideSold)
{
    if (list.contains(stored))
        return stored;
    if (!stored.isEmpty() && hideSold)
        return soldParentEntry();
    return {};
}

} // namespace

ChildParents parentsOf(const Animal& child, const ParentLists& lists, bool hideSold)
{
    ChildParents shown;
    shown.motherLabel = child.motherRing.isEmpty() ? QCoreApplication::translate("ParentLinks", "keine", "no mother")
                                                   : child.motherRing;
    shown.fatherLabel = child.fatherRing.isEmpty() ? QCoreApplication::translate("ParentLinks", "keiner", "no father")
                                                   : child.fatherRing;
    shown.mother = child.motherRing.isEmpty() ? QString() : parentEntry(child.motherRing, lists.mothers, hideSold);
    shown.father = child.fatherRing.isEmpty() ? QString() : parentEntry(child.fatherRing, lists.fathers, hideSold);
    return shown;
}

bool saveParents(AnimalTable& animals, const QString& childRing, const QString& mother, const QString& father,
                 bool* changed)
{
    const QString keep = soldParentEntry();
    bool written = false;
    bool differs = false;
    auto store = [&differs](QString& link, const QString& value) {
        const QString stored = cutTo(value, kRingLength);
        differs = differs || link != stored;
        link = stored;
    };
    for (Animal& a : animals) {
        if (a.active == 0 || a.ringNumber != childRing)
            continue;
        if (mother != keep)
            store(a.motherRing, mother);
        if (father != keep)
            store(a.fatherRing, father);
        written = true;
    }
    if (changed)
        *changed = differs;
    return written;
}

QString hiddenParentWarning(const Animal& child, const ParentLists& lists, const QString& mother, const QString& father)
{
    const bool motherLost
        = mother.isEmpty() && !child.motherRing.isEmpty() && !lists.mothers.contains(child.motherRing);
    const bool fatherLost
        = father.isEmpty() && !child.fatherRing.isEmpty() && !lists.fathers.contains(child.fatherRing);
    if (motherLost && fatherLost) {
        //: %1 is the mother's ring, %2 the father's
        return QCoreApplication::translate("ParentLinks",
                                           "Gespeichert ist die Mutter %1 und der Vater %2, in der Auswahl aber nicht "
                                           "aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird "
                                           "diese Verbindung entfernt.\n\nTrotzdem speichern?")
            .arg(child.motherRing, child.fatherRing);
    }
    if (motherLost) {
        return QCoreApplication::translate("ParentLinks",
                                           "Gespeichert ist die Mutter %1, in der Auswahl aber nicht aufgeführt "
                                           "(verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese "
                                           "Verbindung entfernt.\n\nTrotzdem speichern?")
            .arg(child.motherRing);
    }
    if (fatherLost) {
        return QCoreApplication::translate("ParentLinks",
                                           "Gespeichert ist der Vater %1, in der Auswahl aber nicht aufgeführt "
                                           "(verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese "
                                           "Verbindung entfernt.\n\nTrotzdem speichern?")
            .arg(child.fatherRing);
    }
    return {};
}
