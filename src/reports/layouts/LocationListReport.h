#pragma once

#include "core/stock/Locations.h"
#include "reports/engine/ReportPages.h"

#include <memory>

class StockDocument;

// The list of places as printed: one line per bird under `title`, by place.
std::shared_ptr<ReportPages> locationListPages(const StockDocument& stock, const std::vector<LocatedBird>& birds,
                                               const QString& title);
