#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

// Field lengths of the bounded texts, in characters (one Windows-1252 byte each).
inline constexpr int kRingLength = 20;
inline constexpr int kAnimalTextLength = 30;
inline constexpr int kBreederDataLength = 40;

// One animal of the stock. Field names follow the stock file's own vocabulary.
struct TTauben
{
    QString RingNumber;
    qint32 Sex = 0; // 0 unknown, 1 male, 2 female
    qint32 BirthYear = 0;
    QString Breeder;
    QString Colour;
    QString Breed;
    QString Markings;
    QString Remarks;
    QString ListRemarks;
    QString FatherRing;
    QString MotherRing;
    quint8 Active = 0;
    quint8 ListedMark = 0;
    quint8 Sold = 0;
    qint32 Reserved1 = 0;
    qint32 Reserved2 = 0;
    qint32 Reserved3 = 0;
    qint32 Reserved4 = 0;

    bool operator==(const TTauben&) const = default;
};

using AnimalTable = std::vector<TTauben>;

// The bird that hatched from one egg of a clutch.
struct TJungtier
{
    QString Ring;
    double Weaned = 0.0;
    double Hatched = 0.0;

    bool operator==(const TJungtier&) const = default;
};

struct TGelege
{
    double FirstEgg = 0.0;
    double LastEgg = 0.0;
    double ClutchSet = 0.0;
    qint32 EggCount = 0;
    std::vector<TJungtier> Young;

    bool operator==(const TGelege&) const = default;
};

struct TZuchtpaar
{
    QString CockRing;
    QString HenRing;
    qint32 CageNumber = 0;
    double BreedingStart = 0.0;
    std::vector<TGelege> Clutches;

    bool operator==(const TZuchtpaar&) const = default;
};

using PairTable = std::vector<TZuchtpaar>;

struct BreederData
{
    QString FirstName;
    QString LastName;
    QString Street;
    QString PostcodeCity;
    QString Phone;
    QString BreederNumber;
    QString ClubNumber;

    bool operator==(const BreederData&) const = default;
};

// Colours are stored as 0x00BBGGRR.
struct PrintSettings
{
    quint8 PrintBirthYear = 0;
    quint8 ShowBreeding = 0;
    qint32 StockListLayout = 0; // 0 two lines per animal, 1 one line
    qint32 TopRightContent = 0; // 0 buyer text, 1 picture, 2 free text
    quint8 ShowPrefixes = 0;
    quint32 MaleColour = 0;
    quint32 FemaleColour = 0;
    quint32 HeaderColour = 0;

    // The settings of a first start, when there is no stock file yet.
    static PrintSettings defaults()
    {
        PrintSettings s;
        s.ShowPrefixes = 1;
        s.MaleColour = 0x00FF0000;
        s.FemaleColour = 0x00FF00FF;
        s.HeaderColour = 0x00008000;
        return s;
    }

    bool operator==(const PrintSettings&) const = default;
};
