#pragma once

#include "reports/engine/PrinterService.h"

// A printer for tests: records what it is given, or pretends none is set up.
class FakePrinter : public PrinterService
{
public:
    FakePrinter() { PrinterService::install(this); }
    ~FakePrinter() override { PrinterService::install(nullptr); }

    Outcome print(const std::vector<ReportPage>& pages, const QString& documentName) override
    {
        if (!available)
            return {false, true, {}};
        printed.insert(printed.end(), pages.begin(), pages.end());
        documents << documentName;
        return {true, false, {}};
    }

    bool available = true;
    std::vector<ReportPage> printed;
    QStringList documents;
};
