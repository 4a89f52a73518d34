#include "core/model/Alphabetical.h"

#include <QCollator>

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

QCollator germanCollator()
{
    QCollator c(QLocale(QLocale::German, QLocale::Germany));
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
}

// Ring numbers are mostly plain ASCII. For texts of letters, digits, space,
// '-', '.' and '/' only, the German collation with case ignored orders them
// by these weights, one per character, a shorter text before a longer one
// that begins with it; texts equal so are equal to the collator too (a test
// checks this against the collator). Any other character: 0, no weight.
constexpr std::array<char, 128> kPlainWeights = [] {
    std::array<char, 128> weights {};
    for (char c = 'a'; c <= 'z'; ++c) {
        weights[size_t(c)] = char(20 + c - 'a');
        weights[size_t(c - 'a' + 'A')] = char(20 + c - 'a');
    }
    for (char c = '0'; c <= '9'; ++c)
        weights[size_t(c)] = char(10 + c - '0');
    weights[' '] = 1;
    weights['-'] = 2;
    weights['.'] = 3;
    weights['/'] = 4;
    return weights;
}();

char plainWeight(char16_t u)
{
    return u < kPlainWeights.size() ? kPlainWeights[u] : 0;
}

std::optional<std::string> plainKey(const QString& text)
{
    std::string key;
    key.reserve(size_t(text.size()));
    for (const QChar c : text) {
        const char weight = plainWeight(c.unicode());
        if (!weight)
            return std::nullopt;
        key.push_back(weight);
    }
    return key;
}

// The same key packed into two numbers for texts of up to 20 characters (a
// ring's length), six bits a character; the empty rest weighs 0, so a
// shorter text still comes first. The position breaks ties: the sort stays stable.
struct PackedKey
{
    quint64 high = 0;
    quint64 low = 0;
    qsizetype position = 0;
    bool operator<(const PackedKey& o) const
    {
        return high != o.high ? high < o.high : low != o.low ? low < o.low : position < o.position;
    }
};
constexpr qsizetype kPackedLength = 20;

enum class Packing
{
    Packed,
    TooLong,
    NotPlain
};

Packing pack(const QString& text, qsizetype position, PackedKey& key)
{
    if (text.size() > kPackedLength)
        return Packing::TooLong;
    key = {0, 0, position};
    for (qsizetype i = 0; i < kPackedLength; ++i) {
        quint64 weight = 0;
        if (i < text.size()) {
            weight = quint64(plainWeight(text[i].unicode()));
            if (!weight)
                return Packing::NotPlain;
        }
        quint64& half = i < kPackedLength / 2 ? key.high : key.low;
        half = half << 6 | weight;
    }
    return Packing::Packed;
}

// The whole list by packed keys, each half packed and sorted by a thread of
// its own when the list is long; nothing when a text is too long to pack or is not plain.
std::optional<std::vector<qsizetype>>
packedOrder(qsizetype count, const std::function<const QString&(qsizetype)>& textAt, bool& notPlain)
{
    std::vector<PackedKey> keys(static_cast<size_t>(count));
    auto packAndSort = [&](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i) {
            if (const Packing packing = pack(textAt(i), i, keys[size_t(i)]); packing != Packing::Packed)
                return packing;
        }
        std::sort(keys.begin() + from, keys.begin() + to);
        return Packing::Packed;
    };
    const qsizetype half = count >= 50000 ? count / 2 : count;
    Packing second = Packing::Packed;
    std::thread helper;
    if (half < count)
        helper = std::thread([&] { second = packAndSort(half, count); });
    const Packing first = packAndSort(0, half);
    if (helper.joinable())
        helper.join();
    if (first != Packing::Packed || second != Packing::Packed) {
        notPlain = first == Packing::NotPlain || second == Packing::NotPlain;
        return std::nullopt;
    }
    // The halves merged straight into the order: no third copy of the keys.
    std::vector<qsizetype> order;
    order.reserve(keys.size());
    auto a = keys.cbegin();
    auto b = keys.cbegin() + half;
    const auto aEnd = b;
    while (a != aEnd && b != keys.cend())
        order.push_back((*b < *a ? b++ : a++)->position);
    for (; a != aEnd; ++a)
        order.push_back(a->position);
    for (; b != keys.cend(); ++b)
        order.push_back(b->position);
    return order;
}

// The whole list by plain keys, or nothing when a text has none.
std::optional<std::vector<qsizetype>> plainOrder(qsizetype count,
                                                 const std::function<const QString&(qsizetype)>& textAt)
{
    bool notPlain = false;
    if (std::optional<std::vector<qsizetype>> packed = packedOrder(count, textAt, notPlain))
        return packed;
    if (notPlain)
        return std::nullopt;
    std::vector<std::pair<std::string, qsizetype>> keys;
    keys.reserve(size_t(count));
    for (qsizetype i = 0; i < count; ++i) {
        std::optional<std::string> key = plainKey(textAt(i));
        if (!key)
            return std::nullopt;
        keys.emplace_back(std::move(*key), i);
    }
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<qsizetype> order;
    order.reserve(keys.size());
    for (const auto& key : keys)
        order.push_back(key.second);
    return order;
}

} // namespace

int comparePlainly(const QString& a, const QString& b)
{
    const std::optional<std::string> ka = plainKey(a);
    const std::optional<std::string> kb = plainKey(b);
    if (!ka || !kb)
        return 2;
    return ka->compare(*kb) < 0 ? -1 : ka->compare(*kb) > 0 ? 1 : 0;
}

int compareAlphabetically(const QString& a, const QString& b)
{
    if (plainOrderIsTheCollatorsOrder()) {
        if (const int plain = comparePlainly(a, b); plain != 2)
            return plain;
    }
    const int c = alphabeticalCollator().compare(a, b);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

const QCollator& alphabeticalCollator()
{
    static const QCollator collator = germanCollator();
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

bool plainOrderIsTheCollatorsOrder()
{
    // Every text of up to two plain characters, in plain order: the collator
    // must put each after the one before it (or call them equal) just so.
    // ICU's German collation does; Windows' own, for one, passes over hyphens.
    static const bool agrees = [] {
        const QString alphabet = QStringLiteral(" -./0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
        QStringList texts = {QString()};
        for (const QChar c : alphabet) {
            texts << QString(c);
            for (const QChar d : alphabet)
                texts << QString(c) + d;
        }
        const std::vector<qsizetype> order
            = *plainOrder(texts.size(), [&texts](qsizetype i) -> const QString& { return texts[i]; });
        const QCollator& collator = alphabeticalCollator();
        for (size_t i = 1; i < order.size(); ++i) {
            const QString& before = texts[order[i - 1]];
            const QString& after = texts[order[i]];
            const int plain = comparePlainly(before, after);
            const int system = collator.compare(before, after);
            if ((plain == 0) != (system == 0) || system > 0)
                return false;
        }
        return true;
    }();
    return agrees;
}

std::vector<qsizetype> alphabeticalPermutation(qsizetype count, const std::function<const QString&(qsizetype)>& textAt)
{
    if (plainOrderIsTheCollatorsOrder()) {
        if (std::optional<std::vector<qsizetype>> plain = plainOrder(count, textAt))
            return std::move(*plain);
    }
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
    // A long list gets them from two threads, each with a collator of its own.
    std::vector<std::pair<QCollatorSortKey, qsizetype>> keys;
    keys.reserve(size_t(count));
    const qsizetype half = count >= 50000 ? count / 2 : count;
    std::vector<std::pair<QCollatorSortKey, qsizetype>> secondHalf;
    std::thread helper;
    if (half < count) {
        secondHalf.reserve(size_t(count - half));
        helper = std::thread([&] {
            const QCollator own = germanCollator(); // copies would share one ICU collator
            for (qsizetype i = half; i < count; ++i)
                secondHalf.emplace_back(own.sortKey(textAt(i)), i);
        });
    }
    for (qsizetype i = 0; i < half; ++i)
        keys.emplace_back(collator.sortKey(textAt(i)), i);
    if (helper.joinable()) {
        helper.join();
        std::move(secondHalf.begin(), secondHalf.end(), std::back_inserter(keys));
    }
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
