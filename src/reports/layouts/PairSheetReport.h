#pragma once

#include "core/breeding/PairSheet.h"
#include "reports/engine/ReportPage.h"

// The pair sheet ("Zuchtpaarauszug aus Zuchtdatei"): both parents, the
// clutches and the ringed young of one breeding pair on one A4 page.
class PairSheetReport
{
public:
    PairSheetReport();

    void fill(const PairSheet& sheet);
    const ReportPage& page() const { return m_page; }

private:
    ReportPage m_page;
};
