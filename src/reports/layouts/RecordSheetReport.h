#pragma once

#include "core/model/AnimalRecords.h"
#include "core/model/StockData.h"
#include "reports/engine/ReportPage.h"

// The record sheet ("Stammblatt"): one animal's data in four framed boxes,
// without its ancestors. Filled together with the certificate.
class RecordSheetReport
{
public:
    RecordSheetReport();

    // The animal's data and, where given, its best show result in one line.
    void fill(const Animal& animal, const QString& bestShowResult = {});
    const ReportPage& page() const { return m_page; }

    // "unbekannt", or the sex words of the build's vocabulary; empty for any other value.
    static QString sexWord(Sex sex);
    // "Bestes Ausstellungsergebnis: 92,5 Punkte, Bundesschau, 14.11.2026, Gold".
    static QString bestResultLine(const ShowResult& result);

private:
    ReportPage m_page;
};
