#pragma once

#include "core/model/StockData.h"

#include <functional>

class QWidget;
class ReportPage;
class StockDocument;
class WindowFixture;

// A stock worth looking at: the pedigree sample with a pair, its clutches
// and young, colours that tell a genetics story and birds without a breed.
StockData tourStock();
// A sale and a season of shows, as the change dialog and the show window list them.
void addTourRecords(StockDocument& stock);

// Every window, dialog and printout of the program in the states a breeder
// sees them, one after the other, each handed to the visitor while it is
// open. The tool that takes the screenshots and the tests that read every
// visible text walk the same way.
struct WindowTourVisitor
{
    std::function<void(QWidget* window, const QString& name)> window;
    std::function<void(const ReportPage& page, const QString& name)> printout;
};
void tourWindows(WindowFixture& fixture, const WindowTourVisitor& visit);
