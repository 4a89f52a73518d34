#pragma once

#include "core/model/AnimalRecords.h"
#include "reports/engine/ReportPage.h"

#include <optional>
#include <vector>

class StockDocument;

// Show cage labels ("Käfigetiketten"): one per entry with the show, the
// year, the class, the collection and the cage number the show gave it, on
// A4 sheets of self-adhesive labels. The ring is never printed: judging is
// anonymous.

enum class LabelSheet
{
    ThreeByEight, // 3 × 8 labels of 70 × 37 mm, edge to edge
    ThreeBySeven, // 3 × 7 labels of 70 × 42.3 mm, edge to edge
};

struct LabelSheetFormat
{
    LabelSheet sheet;
    const char* key; // as avelor-export names it
    QSizeF label; // millimetres
    int columns;
    int rows;

    int perSheet() const { return columns * rows; }
    // "3 × 8 Etiketten je Blatt (70 × 37 mm)" and so on.
    QString name() const;
};

const std::vector<LabelSheetFormat>& labelSheetFormats();
std::optional<LabelSheet> labelSheetOf(const QString& key);

// The sheets, labels in reading order.
std::vector<ReportPage> showLabelPages(const ShowEvent& show, const std::vector<ShowEntry>& entries, LabelSheet sheet);
