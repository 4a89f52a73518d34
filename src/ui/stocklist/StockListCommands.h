#pragma once

#include "core/files/SafeWrite.h"
#include "core/stocklist/StockList.h"

#include <QObject>

#include <memory>

#include <optional>

class PreferencesStore;
class ReportPages;
class StockDocument;
class QWidget;

// What the stock-list panel makes of the list: the index of its output choice.
enum class StockListOutput
{
    PrintedList = 0,
    HtmlFile = 1,
    CsvFile = 2, // for a spreadsheet: every active animal with every field
};

// Where the printed stock list goes: the preview (from which it may be
// printed) or straight to the printer.
enum class StockListDestination
{
    Preview,
    Printer,
};

// "nach Ringnummer" and "nach Geburtsjahr" of the stock-list panel: the
// printed list in the layout of the print settings, or the HTML page.
class StockListCommands : public QObject
{
    Q_OBJECT

public:
    StockListCommands(StockDocument& stock, const PreferencesStore& preferences, QWidget* window);

    // True when the list was shown, printed or saved, so the panel closes;
    // false when the breeder cancelled the file name or the file failed.
    bool make(StockListOrder order, StockListOutput output, StockListDestination destination,
              const std::optional<QString>& breed);

private:
    void printedList(StockListOrder order, StockListDestination destination, const std::optional<QString>& breed);
    std::shared_ptr<ReportPages> translatedPages(const StockListRequest& request) const;
    bool htmlFile(StockListOrder order);
    bool csvFile(StockListOrder order);
    // Reports a file written or not; true when it was.

    StockDocument& m_stock;
    const PreferencesStore& m_preferences;
    QWidget* m_window;
};
