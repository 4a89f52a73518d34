#pragma once

#include "reports/engine/ReportPage.h"

#include <QString>

#include <vector>

// The system's default printer, replaceable by tests.
class PrinterService
{
public:
    virtual ~PrinterService() = default;

    struct Outcome
    {
        bool printed = false;
        bool noPrinter = false; // no printer is set up
        QString error; // German, when printing failed
    };
    // Prints the pages straight away, without a dialog.
    virtual Outcome print(const std::vector<ReportPage>& pages, const QString& documentName) = 0;

    static PrinterService& current();
    static void install(PrinterService* service);
};
