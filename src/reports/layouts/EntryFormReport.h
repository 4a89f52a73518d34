#pragma once

#include "core/model/AnimalRecords.h"
#include "reports/engine/ReportPages.h"

#include <memory>
#include <vector>

class StockDocument;

// "Ausstellungsmeldung" as sent to the show: the show and the breeder as
// exhibitor on every page, one line per entry (class, ring, sex, colour,
// breed, collection), and room for the date and signature at the end.
std::shared_ptr<ReportPages> entryFormPages(const StockDocument& stock, const ShowEvent& show,
                                            const std::vector<ShowEntry>& entries);
