#pragma once

#include "core/breeding/CageCard.h"
#include "reports/engine/ReportPage.h"

#include <optional>

// Cage cards ("Käfigkarten"), several to an A4 sheet with thin cutting
// lines between them, each with a QR code of its ring numbers.

enum class CageCardSize
{
    A6, // 105 × 148 mm, 4 to a sheet
    A7, // 105 × 74 mm (A7 across), 8 to a sheet
    Card, // 85 × 55 mm, the size of a business card, 10 to a sheet
};

struct CageCardFormat
{
    CageCardSize size;
    const char* key; // as avelor-export names it
    QSizeF card; // millimetres
    int columns;
    int rows;

    int perSheet() const { return columns * rows; }
    // "A6 (105 × 148 mm, 4 je Blatt)" and so on.
    QString name() const;
};

const std::vector<CageCardFormat>& cageCardFormats();
const CageCardFormat& cageCardFormat(CageCardSize size);
std::optional<CageCardSize> cageCardSizeOf(const QString& key);

// The sheets, cards in reading order. The texts are read when laid out.
std::vector<ReportPage> cageCardPages(const std::vector<CageCard>& cards, CageCardSize size);
