#include "core/stock/StockSort.h"

#include <algorithm>
#include <string>
#include <vector>

bool sortStock(AnimalTable& animals)
{
    // "year position" as ASCII text; a blank sorts before every digit.
    std::vector<std::pair<std::string, size_t>> keys;
    keys.reserve(animals.size());
    for (size_t i = 0; i < animals.size(); ++i) {
        if (animals[i].active != 0)
            keys.emplace_back(std::to_string(animals[i].birthYear) + ' ' + std::to_string(i), i);
    }
    std::sort(keys.begin(), keys.end());
    bool reordered = keys.size() != animals.size();
    for (size_t k = 0; k < keys.size() && !reordered; ++k)
        reordered = keys[keys.size() - 1 - k].second != k;
    if (!reordered)
        return false;

    AnimalTable sorted;
    sorted.reserve(keys.size());
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        sorted.push_back(std::move(animals[it->second]));
    animals = std::move(sorted);
    return true;
}
