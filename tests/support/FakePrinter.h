#pragma once

#include "ui/preview/PrinterService.h"

#include <QStringList>

// A printer for tests: records what it is given, or pretends none is set up.
class FakePrinter : public PrinterService
{
public:
    FakePrinter() { PrinterService::install(this); }
    ~FakePrinter() override { PrinterService::install(nullptr); }

    Outcome print(const ReportPages& pages, const QString& documentName, const PageProgress&) override
    {
        if (!available)
            return {false, true, false, {}};
        for (int i = 0; i < pages.count(); ++i)
            printed.push_back(pages.page(i));
        documents << documentName;
        return {true, false, false, {}};
    }

    bool available = true;
    std::vector<ReportPage> printed;
    QStringList documents;
};
