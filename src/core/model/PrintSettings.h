#pragma once

#include <QtGlobal>

// Coded settings are stored as 32-bit numbers; a file may hold other values,
// which are kept and treated as the first choice.
enum class StockListLayout : qint32
{
    TwoLines = 0,
    OneLine = 1,
};

// What the certificate shows in its top-right corner.
enum class TopRightContent : qint32
{
    BuyerText = 0, // "Verkauft an:" and the buyer text
    Picture = 1, // the animal's picture, if there is one
    FreeText = 2, // the text without "Verkauft an:"
};

// Colours are stored as 0x00BBGGRR.
struct PrintSettings
{
    quint8 printBirthYear = 0;
    quint8 showBreeding = 0;
    StockListLayout stockListLayout = StockListLayout::TwoLines;
    TopRightContent topRightContent = TopRightContent::BuyerText;
    quint8 showPrefixes = 0;
    quint32 maleColour = 0;
    quint32 femaleColour = 0;
    quint32 headerColour = 0;

    // The settings of a first start, when there is no stock file yet.
    static PrintSettings defaults()
    {
        PrintSettings s;
        s.showPrefixes = 1;
        s.maleColour = 0x00FF0000;
        s.femaleColour = 0x00FF00FF;
        s.headerColour = 0x00008000;
        return s;
    }

    bool operator==(const PrintSettings&) const = default;
};
