#include "core/model/Alphabetical.h"

#include <QCollator>

#include <algorithm>
#include <vector>

const QCollator& alphabeticalCollator()
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::German, QLocale::Germany));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

namespace {

// Some systems make no sort keys (Wine's LCMapStringW); there texts are compared pair by pair.
bool sortKeysWork()
{
    static const bool work = [] {
        const QCollator& c = alphabeticalCollator();
        const QString a = QStringLiteral("a");
        const QString b = QStringLiteral("B");
        return c.sortKey(a).compare(c.sortKey(b)) < 0 && c.sortKey(b).compare(c.sortKey(a)) > 0;
    }();
    return work;
}

} // namespace

std::vector<qsizetype> alphabeticalPermutation(qsizetype count, const std::function<const QString&(qsizetype)>& textAt)
{
    const QCollator& collator = alphabeticalCollator();
    if (!sortKeysWork()) {
        std::vector<qsizetype> order(static_cast<size_t>(count));
        for (qsizetype i = 0; i < count; ++i)
            order[size_t(i)] = i;
        std::stable_sort(order.begin(), order.end(),
                         [&](qsizetype a, qsizetype b) { return collator.compare(textAt(a), textAt(b)) < 0; });
        return order;
    }
    // Sort keys make a long list (the whole stock) several times faster than compare().
    std::vector<std::pair<QCollatorSortKey, qsizetype>> keys;
    keys.reserve(size_t(count));
    for (qsizetype i = 0; i < count; ++i)
        keys.emplace_back(collator.sortKey(textAt(i)), i);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    std::vector<qsizetype> order;
    order.reserve(keys.size());
    for (const auto& key : keys)
        order.push_back(key.second);
    return order;
}

void sortAlphabetically(QStringList& texts)
{
    const std::vector<qsizetype> order
        = alphabeticalPermutation(texts.size(), [&texts](qsizetype i) -> const QString& { return texts[i]; });
    QStringList sorted;
    sorted.reserve(texts.size());
    for (const qsizetype i : order)
        sorted.append(std::move(texts[i]));
    texts = std::move(sorted);
}
