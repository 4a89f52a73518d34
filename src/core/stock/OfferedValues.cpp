#include "core/stock/OfferedValues.h"

#include "core/model/Alphabetical.h"

#include <algorithm>
#include <array>

namespace {

// A value number with the animal's active flag (as counted) in the top bit.
constexpr quint32 kCounted = 0x80000000u;
constexpr quint32 kNumber = 0x7fffffffu;

// Offering again after this many reached positions costs as much as marking all.
constexpr size_t kReachedAtMost = 65536;

} // namespace

void OfferedValues::reset()
{
    m_fields.clear();
    m_markedField = nullptr;
    m_offeredThen.clear();
    m_reachedSince.clear();
}

quint32 OfferedValues::numberOf(Field& f, const QString& value)
{
    const auto found = f.numberOf.constFind(value);
    if (found != f.numberOf.cend())
        return found.value();
    const auto number = quint32(f.values.size());
    f.numberOf.insert(value, number);
    f.values.push_back(value);
    f.activeWith.push_back(0);
    return number;
}

void OfferedValues::place(Field& f, size_t position, const AnimalTable& animals, quint32 number)
{
    const bool counted = animals[position].active == 1;
    if (counted)
        ++f.activeWith[number];
    f.valueAt[position] = number | (counted ? kCounted : 0);
}

void OfferedValues::place(Field& f, size_t position, const AnimalTable& animals)
{
    place(f, position, animals, numberOf(f, animals[position].*(f.field)));
}

void OfferedValues::uncount(Field& f, size_t position)
{
    const quint32 stored = f.valueAt[position];
    if (stored & kCounted)
        --f.activeWith[stored & kNumber];
}

void OfferedValues::build(Field& f, const AnimalTable& animals)
{
    f.valueAt.assign(animals.size(), 0);
    f.values.clear();
    f.numberOf.clear();
    f.activeWith.clear();
    // The stock file's reader shares each repeated text: during this pass the same
    // buffer is the same value, so most animals are numbered without hashing their text.
    struct Seen
    {
        const QChar* data = nullptr;
        qsizetype size = -1;
        quint32 number = 0;
    };
    std::array<Seen, 64> seen {};
    for (size_t i = 0; i < animals.size(); ++i) {
        const QString& value = animals[i].*(f.field);
        Seen& slot = seen[(quintptr(value.constData()) >> 4) % seen.size()];
        if (slot.data != value.constData() || slot.size != value.size())
            slot = {value.constData(), value.size(), numberOf(f, value)};
        place(f, i, animals, slot.number);
    }
}

OfferedValues::Field& OfferedValues::fieldFor(const AnimalTable& animals, QString Animal::*field)
{
    auto it = std::find_if(m_fields.begin(), m_fields.end(), [field](const Field& f) { return f.field == field; });
    if (it == m_fields.end()) {
        m_fields.push_back(Field {});
        it = m_fields.end() - 1;
        it->field = field;
        build(*it, animals);
    } else if (it->valueAt.size() != animals.size()) {
        build(*it, animals); // a change not followed: never expected, but never wrong
    } else {
        return *it;
    }
    if (m_markedField == field)
        marksChangedElsewhere(); // new numbers: what was offered before says nothing about them
    return *it;
}

void OfferedValues::follow(const AnimalTable& animals, const AnimalsReached& reached)
{
    if (reached.all) {
        reset();
        return;
    }
    const size_t size = animals.size();
    for (Field& f : m_fields) {
        const size_t before = f.valueAt.size();
        for (size_t i = size; i < before; ++i)
            uncount(f, i);
        f.valueAt.resize(size);
        for (size_t i = before; i < size; ++i)
            place(f, i, animals);
        auto again = [&](size_t position) {
            if (position < std::min(before, size)) {
                uncount(f, position);
                place(f, position, animals);
            }
        };
        for (const size_t position : reached.positions)
            again(position);
        if (reached.from) {
            for (size_t i = *reached.from; i < std::min(before, size); ++i)
                again(i);
        }
    }
    if (!m_markedField)
        return;
    m_reachedSince.insert(m_reachedSince.end(), reached.positions.begin(), reached.positions.end());
    if (reached.from) {
        for (size_t i = *reached.from; i < size && m_reachedSince.size() <= kReachedAtMost; ++i)
            m_reachedSince.push_back(i);
    }
    if (m_reachedSince.size() > kReachedAtMost)
        marksChangedElsewhere();
}

QStringList OfferedValues::offer(AnimalTable& animals, QString Animal::*field, std::vector<size_t>& changedMarks)
{
    Field& f = fieldFor(animals, field);
    std::vector<bool> offered(f.values.size());
    for (size_t n = 0; n < offered.size(); ++n)
        offered[n] = f.activeWith[n] > 0;

    auto mark = [&](size_t position) {
        const quint8 wanted = offered[f.valueAt[position] & kNumber] ? 1 : 0;
        if (animals[position].listedMark != wanted) {
            animals[position].listedMark = wanted;
            changedMarks.push_back(position);
        }
    };
    if (m_markedField != field) {
        for (size_t i = 0; i < animals.size(); ++i)
            mark(i);
    } else {
        for (const size_t position : m_reachedSince) {
            if (position < animals.size())
                mark(position);
        }
        // A value that came or went changes the marks of every animal with it, active or not.
        std::vector<bool> flipped(offered.size());
        bool anyFlipped = false;
        for (size_t n = 0; n < offered.size(); ++n) {
            flipped[n] = offered[n] != (n < m_offeredThen.size() && m_offeredThen[n]);
            anyFlipped = anyFlipped || flipped[n];
        }
        if (anyFlipped) {
            for (size_t i = 0; i < animals.size(); ++i) {
                if (flipped[f.valueAt[i] & kNumber])
                    mark(i);
            }
        }
        std::sort(changedMarks.begin(), changedMarks.end());
        changedMarks.erase(std::unique(changedMarks.begin(), changedMarks.end()), changedMarks.end());
    }
    m_markedField = field;
    m_offeredThen = offered;
    m_reachedSince.clear();

    // In the order the table first has each value active in, as the whole-table list
    // takes them: texts the sort calls equal (equal but for case; on some systems
    // more) keep that order. Most values turn up within the first animals.
    QStringList values;
    size_t missing = size_t(std::count(offered.begin(), offered.end(), true));
    std::vector<bool> listed(offered.size());
    for (size_t i = 0; i < f.valueAt.size() && missing > 0; ++i) {
        const quint32 stored = f.valueAt[i];
        if ((stored & kCounted) && !listed[stored & kNumber]) {
            listed[stored & kNumber] = true;
            values.append(f.values[stored & kNumber]);
            --missing;
        }
    }
    sortAlphabetically(values);
    return values;
}
