#pragma once

#include "core/model/Database.h"
#include "reports/engine/ReportPage.h"

// The record sheet ("Stammblatt"): one animal's data in four framed boxes,
// without its ancestors. Filled together with the certificate.
class RecordSheetReport
{
public:
    RecordSheetReport();

    void fill(const Animal& animal);
    const ReportPage& page() const { return m_page; }

    // "unbekannt", or the sex words of the build's vocabulary; empty for any other value.
    static QString sexWord(Sex sex);

private:
    ReportPage m_page;
};
