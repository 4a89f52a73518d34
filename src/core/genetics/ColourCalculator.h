#pragma once

#include "core/genetics/AnimalGenes.h"

// The young a cock and a hen may have, by their colour factors.

struct YoungKind
{
    bool male = true;
    double share = 0.0; // of all young that hatch, both sexes together
    QStringList visual; // factor keys in table order; a double factor twice
    QString carried; // factor keys, comma-separated; "braun+achat" for two on one Z
    QString colour; // the breeders' name: "Isabell Opal"

    bool operator==(const YoungKind&) const = default;
};

struct ExpectedYoung
{
    std::vector<YoungKind> kinds; // cocks first, then the larger share first
    double deadInEgg = 0.0; // of all fertilised eggs
    QStringList warnings; // German
};

// `crossover` is the chance that a cock's linked loci part, from 0 to 0.5.
ExpectedYoung expectedYoung(const FactorTable& table, const AnimalGenes& cock, const AnimalGenes& hen,
                            double crossover);

// "Hahn" or "Henne", the share with six decimals, visual, carried, colour: one line as avelor-export writes it.
QString youngLine(const YoungKind& kind);
