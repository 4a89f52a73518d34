#include "core/stock/ParentLinks.h"

#include "core/model/Alphabetical.h"
#include "core/model/SpeciesWords.h"
#include "core/model/TextRules.h"

QString soldParentEntry()
{
    return QStringLiteral("VERK. ") + upperAscii(SpeciesWords::Singular);
}

ParentLists buildParentLists(const AnimalTable& animals, const ParentListOptions& options)
{
    ParentLists lists;
    for (const TTauben& a : animals) {
        if (options.hideSold && a.Sold != 0)
            continue;
        const bool breedMatches = !options.breed || a.Breed == *options.breed;
        if (a.Active != 0 && breedMatches)
            lists.children.append(a.RingNumber);
        const bool parentMayShow
            = (a.Active != 0 || options.showDeleted) && (!options.breed || !options.filterParentsToo || breedMatches);
        if (parentMayShow && a.Sex == 2)
            lists.mothers.append(a.RingNumber);
        if (parentMayShow && a.Sex == 1)
            lists.fathers.append(a.RingNumber);
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

ChildParents parentsOf(const TTauben& child, const ParentLists& lists, bool hideSold)
{
    ChildParents shown;
    shown.motherLabel = child.MotherRing.isEmpty() ? QStringLiteral("keine") : child.MotherRing;
    shown.fatherLabel = child.FatherRing.isEmpty() ? QStringLiteral("keiner") : child.FatherRing;
    shown.mother = child.MotherRing.isEmpty() ? QString() : parentEntry(child.MotherRing, lists.mothers, hideSold);
    shown.father = child.FatherRing.isEmpty() ? QString() : parentEntry(child.FatherRing, lists.fathers, hideSold);
    return shown;
}

bool saveParents(AnimalTable& animals, const QString& childRing, const QString& mother, const QString& father)
{
    const QString keep = soldParentEntry();
    bool written = false;
    for (TTauben& a : animals) {
        if (a.Active == 0 || a.RingNumber != childRing)
            continue;
        if (mother != keep)
            a.MotherRing = cutTo(mother, kRingLength);
        if (father != keep)
            a.FatherRing = cutTo(father, kRingLength);
        written = true;
    }
    return written;
}

QString hiddenParentWarning(const TTauben& child, const ParentLists& lists, const QString& mother,
                            const QString& father)
{
    QStringList lost;
    if (mother.isEmpty() && !child.MotherRing.isEmpty() && !lists.mothers.contains(child.MotherRing))
        lost << QStringLiteral("die Mutter ") + child.MotherRing;
    if (father.isEmpty() && !child.FatherRing.isEmpty() && !lists.fathers.contains(child.FatherRing))
        lost << QStringLiteral("der Vater ") + child.FatherRing;
    if (lost.isEmpty())
        return {};
    return QStringLiteral("Gespeichert ist ") + lost.join(QStringLiteral(" und "))
        + QStringLiteral(", in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim "
                         "Speichern wird diese Verbindung entfernt.\n\nTrotzdem speichern?");
}
