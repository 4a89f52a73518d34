#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

// Field lengths of the bounded texts, in characters (one Windows-1252 byte each).
inline constexpr int kRingLength = 20;
inline constexpr int kAnimalTextLength = 30;

// Stored as a 32-bit number; a file may hold other values, which are kept.
enum class Sex : qint32
{
    Unknown = 0,
    Male = 1,
    Female = 2,
};

// One animal of the stock. Links to its parents are ring numbers, never positions.
struct Animal
{
    QString ringNumber;
    Sex sex = Sex::Unknown;
    qint32 birthYear = 0;
    QString breeder;
    QString colour;
    QString breed;
    QString markings;
    QString remarks; // printed on the certificate
    QString listRemarks; // printed on the stock list
    QString fatherRing; // empty: no father known
    QString motherRing;
    quint8 active = 0; // 0: deleted; the record stays until the stock is sorted
    quint8 listedMark = 0; // scratch mark of the distinct-value lists, saved with the file
    quint8 sold = 0;
    std::array<qint32, 4> reserved {}; // never set, kept as read

    bool isActive() const { return active != 0; }
    bool operator==(const Animal&) const = default;
};

using AnimalTable = std::vector<Animal>;
