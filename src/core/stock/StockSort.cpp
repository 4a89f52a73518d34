#include "core/stock/StockSort.h"

#include <algorithm>
#include <string>
#include <vector>

std::optional<std::vector<quint32>> stockSortOrder(const AnimalTable& animals)
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
        return std::nullopt;
    std::vector<quint32> order;
    order.reserve(keys.size());
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        order.push_back(quint32(it->second));
    return order;
}

void reorderStock(AnimalTable& animals, const std::vector<quint32>& order,
                  std::vector<std::pair<quint32, Animal>>& dropped)
{
    std::vector<bool> kept(animals.size());
    AnimalTable sorted;
    sorted.reserve(order.size());
    for (const quint32 from : order) {
        sorted.push_back(std::move(animals[from]));
        kept[from] = true;
    }
    dropped.clear();
    for (size_t i = 0; i < animals.size(); ++i) {
        if (!kept[i])
            dropped.emplace_back(quint32(i), std::move(animals[i]));
    }
    animals = std::move(sorted);
}

void restoreStockOrder(AnimalTable& animals, const std::vector<quint32>& order,
                       std::vector<std::pair<quint32, Animal>>& dropped)
{
    AnimalTable before(order.size() + dropped.size());
    for (size_t i = 0; i < order.size(); ++i)
        before[order[i]] = std::move(animals[i]);
    for (auto& [position, animal] : dropped)
        before[position] = std::move(animal);
    dropped.clear();
    animals = std::move(before);
}

bool sortStock(AnimalTable& animals)
{
    const auto order = stockSortOrder(animals);
    if (!order)
        return false;
    std::vector<std::pair<quint32, Animal>> dropped;
    reorderStock(animals, *order, dropped);
    return true;
}
