#include "core/analysis/Relationship.h"

#include "core/stock/RingIndex.h"

#include <QCoreApplication>

RelationshipFinder::RelationshipFinder(const AnimalTable& animals, const RingIndex& index)
    : m_animals(animals), m_index(index)
{ }

RelationshipFinder::Parents RelationshipFinder::parentsOf(qsizetype animal) const
{
    if (animal < 0)
        return {};
    const Animal& a = m_animals[size_t(animal)];
    auto find = [this](const QString& ring) {
        return ring.isEmpty() ? qsizetype(-1) : m_index.lastWith(ring);
    };
    return {find(a.fatherRing), find(a.motherRing)};
}

bool RelationshipFinder::isGrandparent(qsizetype elder, qsizetype young) const
{
    const Parents p = parentsOf(young);
    return parentsOf(p.father).has(elder) || parentsOf(p.mother).has(elder);
}

bool RelationshipFinder::siblings(qsizetype a, qsizetype b) const
{
    return a >= 0 && b >= 0 && a != b && parentsOf(a).shareOne(parentsOf(b));
}

QString RelationshipFinder::of(qsizetype animal, qsizetype other) const
{
    if (animal < 0 || other < 0 || animal == other)
        return {};
    const bool male = m_animals[size_t(other)].sex == Sex::Male;
    const Parents mine = parentsOf(animal);
    const Parents theirs = parentsOf(other);
    if (mine.has(other))
        return male ? QCoreApplication::translate("Relationship", "Vater")
                    : QCoreApplication::translate("Relationship", "Mutter");
    if (theirs.has(animal))
        return male ? QCoreApplication::translate("Relationship", "Sohn")
                    : QCoreApplication::translate("Relationship", "Tochter");
    if (mine.father >= 0 && mine.mother >= 0 && mine.father == theirs.father && mine.mother == theirs.mother)
        return QCoreApplication::translate("Relationship", "Vollgeschwister");
    if (mine.shareOne(theirs))
        return QCoreApplication::translate("Relationship", "Halbgeschwister");
    if (isGrandparent(other, animal))
        return QCoreApplication::translate("Relationship", "Großelternteil");
    if (isGrandparent(animal, other))
        return QCoreApplication::translate("Relationship", "Enkel");
    if (siblings(other, mine.father) || siblings(other, mine.mother))
        return QCoreApplication::translate("Relationship", "Onkel/Tante");
    if (siblings(animal, theirs.father) || siblings(animal, theirs.mother))
        return QCoreApplication::translate("Relationship", "Neffe/Nichte");
    for (const qsizetype a : {mine.father, mine.mother}) {
        for (const qsizetype b : {theirs.father, theirs.mother}) {
            if (siblings(a, b))
                return QCoreApplication::translate("Relationship", "Cousin/Cousine");
        }
    }
    return {};
}
