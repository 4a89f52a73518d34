#pragma once

#include "reports/engine/ReportPages.h"

class QWidget;

// What every report offers: print on the default printer (or, without one,
// a PDF instead) and save as PDF, with a progress window for many pages.
// Messages in German; nothing reported done that did not happen.
namespace ReportActions {

// title: what is printed, as the messages name it ("den Abstammungsnachweis").
void print(QWidget* parent, const ReportPages& pages, const QString& title, const QString& fileName);
// Asks for a file name and saves; true when the file was written.
bool saveAsPdf(QWidget* parent, const ReportPages& pages, const QString& fileName);

} // namespace ReportActions
