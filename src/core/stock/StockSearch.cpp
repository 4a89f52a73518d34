#include "core/stock/StockSearch.h"

#include <charconv>
#include <string>
#include <string_view>
#include <thread>

namespace {

bool textMatches(const SearchText& c, const QString& value)
{
    if (c.exact)
        return value == c.text;
    return c.text.isEmpty() || value.contains(c.text);
}

// The year criterion as Latin-1 bytes: years are digits and a sign, so a text
// outside Latin-1 can only match when it is empty.
struct YearCriterion
{
    std::string text;
    bool exact;
    bool possible;

    explicit YearCriterion(const SearchText& c) : exact(c.exact), possible(true)
    {
        for (const QChar ch : c.text) {
            if (ch.unicode() > 0xFF) {
                possible = false;
                break;
            }
            text.push_back(char(ch.unicode()));
        }
    }

    bool matches(qint32 year) const
    {
        if (!possible)
            return false;
        char buffer[16];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, year).ptr;
        const std::string_view value(buffer, size_t(end - buffer));
        if (exact)
            return value == text;
        return text.empty() || value.find(text) != std::string_view::npos;
    }
};

// The rings of the animals at order[first, last) that meet the criteria.
QStringList searchPart(const AnimalTable& animals, const std::vector<qsizetype>& order, size_t first, size_t last,
                       const SearchCriteria& criteria)
{
    const YearCriterion year(criteria.year);
    QStringList found;
    for (size_t k = first; k < last; ++k) {
        const qsizetype i = order[k];
        if (i < 0 || size_t(i) >= animals.size())
            continue;
        const Animal& a = animals[size_t(i)];
        if ((!criteria.sex || *criteria.sex == a.sex) && textMatches(criteria.ring, a.ringNumber)
            && textMatches(criteria.breeder, a.breeder) && year.matches(a.birthYear)
            && textMatches(criteria.colour, a.colour) && textMatches(criteria.markings, a.markings)
            && textMatches(criteria.breed, a.breed))
            found.append(a.ringNumber);
    }
    return found;
}

} // namespace

QStringList searchStock(const AnimalTable& animals, const std::vector<qsizetype>& order, const SearchCriteria& criteria)
{
    // A large stock is searched in two halves side by side: a keystroke stays within a few milliseconds.
    if (order.size() < 20000)
        return searchPart(animals, order, 0, order.size(), criteria);
    const size_t half = order.size() / 2;
    QStringList second;
    std::thread helper([&] { second = searchPart(animals, order, half, order.size(), criteria); });
    QStringList found = searchPart(animals, order, 0, half, criteria);
    helper.join();
    found += second;
    return found;
}
