#pragma once

#include "core/model/PrintSettings.h"
#include "core/stocklist/StockList.h"
#include "reports/engine/ReportPages.h"

#include <QStringList>

#include <memory>

// The printed stock list: A4 pages with a page header on each (page number,
// title, date, column headings) and one framed band per entry in a fixed-pitch
// font, two text lines or one per animal, as many pages as the entries need.
std::shared_ptr<ReportPages> stockListPages(QStringList items, StockListLayout layout, const QString& title);

// The printed list of the stock as the request asks for it, titled after it.
std::shared_ptr<ReportPages> stockListPages(const StockDocument& stock, const StockListRequest& request);
