#pragma once

#include "reports/engine/ReportPages.h"

#include <QString>

// The system's default printer, replaceable by tests.
class PrinterService
{
public:
    virtual ~PrinterService() = default;

    struct Outcome
    {
        bool printed = false;
        bool noPrinter = false; // no printer is set up
        bool cancelled = false; // the breeder stopped a long print
        QString error; // German, when printing failed
    };
    // Prints the pages straight away, without a dialog.
    virtual Outcome print(const ReportPages& pages, const QString& documentName, const PageProgress& progress = {}) = 0;

    static PrinterService& current();
    static void install(PrinterService* service);
};
