#pragma once

#include "core/model/StockData.h"

#include <QHash>
#include <QStringList>

#include <optional>
#include <vector>

// Which animal positions one change (or its undo, or its redo) reached.
struct AnimalsReached
{
    bool all = false; // a sort or a change not reported by position: every one
    std::vector<size_t> positions;
    std::optional<size_t> from; // from here to the end: appended or removed

    static AnimalsReached everyOne() { return {true, {}, std::nullopt}; }
};

// The suggestion lists of text fields and the listed marks they leave, kept
// up to date change by change: each field offered once gets a value number
// per animal and a count of the active animals per value, so that offering
// it again after a change looks only at the animals the change reached. What
// it returns and the marks it sets are exactly those of distinctValues and
// markListedValues over the whole table.
class OfferedValues
{
public:
    // The distinct values of the field over the active animals, alphabetical,
    // with every listed mark set as offering them always has; `changedMarks`
    // gets the positions whose mark changed.
    QStringList offer(AnimalTable& animals, QString Animal::*field, std::vector<size_t>& changedMarks);

    // After a change of the table (before the next offer).
    void follow(const AnimalTable& animals, const AnimalsReached& reached);
    // The marks were set by something else: the next offer marks every animal.
    void marksChangedElsewhere() { m_markedField = nullptr; }
    void reset();

private:
    struct Field
    {
        QString Animal::*field = nullptr;
        std::vector<quint32> valueAt; // per position, the number of its value
        std::vector<QString> values;
        QHash<QString, quint32> numberOf;
        std::vector<qsizetype> activeWith; // per value
    };

    Field& fieldFor(const AnimalTable& animals, QString Animal::*field);
    static void build(Field& f, const AnimalTable& animals);
    static void uncount(Field& f, size_t position);
    static quint32 numberOf(Field& f, const QString& value);
    static void place(Field& f, size_t position, const AnimalTable& animals, quint32 number);
    static void place(Field& f, size_t position, const AnimalTable& animals);

    std::vector<Field> m_fields;
    // The field the marks follow, what was offered then, and the positions reached since.
    QString Animal::*m_markedField = nullptr;
    std::vector<bool> m_offeredThen;
    std::vector<size_t> m_reachedSince;
};
