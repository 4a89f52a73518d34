#pragma once

#include "core/model/Animal.h"

#include <QString>

class RingIndex;

// The nearest of the relationships breeders name, in this order of
// nearness: "Vater", "Mutter", "Sohn", "Tochter", "Vollgeschwister",
// "Halbgeschwister", "Großelternteil", "Enkel", "Onkel/Tante",
// "Neffe/Nichte", "Cousin/Cousine"; empty where none holds. Parents are found
// as the certificate finds them (the last record with the ring).
class RelationshipFinder
{
public:
    RelationshipFinder(const AnimalTable& animals, const RingIndex& index);

    // What `other` is to `animal` (table positions): "Mutter" when other is its mother.
    QString of(qsizetype animal, qsizetype other) const;

private:
    struct Parents
    {
        qsizetype father = -1;
        qsizetype mother = -1;
        bool has(qsizetype p) const { return p >= 0 && (father == p || mother == p); }
        bool shareOne(const Parents& o) const { return has(o.father) || has(o.mother); }
    };
    Parents parentsOf(qsizetype animal) const;
    bool isGrandparent(qsizetype elder, qsizetype young) const;
    // Whether two animals share a parent (full or half siblings).
    bool siblings(qsizetype a, qsizetype b) const;

    const AnimalTable& m_animals;
    const RingIndex& m_index;
};
