#pragma once

#include "core/model/StockData.h"

#include <QStringList>

#include <optional>
#include <vector>

// The search of the stock from partial knowledge.

struct SearchText
{
    QString text;
    bool exact = false; // the whole field must equal the text; otherwise the text occurs in it
};

struct SearchCriteria
{
    SearchText ring;
    SearchText breeder;
    SearchText year;
    SearchText colour;
    SearchText markings;
    SearchText breed;
    std::optional<Sex> sex; // none: any
};

// searchStock, in the alphabetical ring order given (alphabeticalRingOrder): the ring numbers of every animal (deleted
// and sold ones included) that meets all criteria, alphabetical. Case-sensitive; the year is compared as decimal text.
// One pass over the stock without allocating per animal.
QStringList searchStock(const AnimalTable& animals, const std::vector<qsizetype>& order,
                        const SearchCriteria& criteria);
