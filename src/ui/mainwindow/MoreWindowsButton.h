#pragma once

#include <QPushButton>

#include <memory>

class BreedingCalendarWindow;
class ColourWindow;
class LocationsWindow;
class MatePlannerWindow;
class PreferencesStore;
class RingStockWindow;
class SeasonStatisticsWindow;
class ShowEntriesWindow;
class ShowsWindow;
class StockDocument;

// "Saison und Auswertungen": one button whose menu opens the season, show
// and colour windows, so that the main window keeps its shape. The windows
// belong to the main window; what they ask of it comes out as signals.
class MoreWindowsButton : public QPushButton
{
    Q_OBJECT

public:
    MoreWindowsButton(StockDocument& stock, PreferencesStore& preferences, QWidget* mainWindow);
    ~MoreWindowsButton() override;

    // The colour window with this pair chosen (asked for by the breeding dialog).
    void showColoursOf(const QString& cock, const QString& hen);

signals:
    void pairRequested(int pair); // to be shown in the breeding dialog
    void newPairRequested(const QString& cock, const QString& hen);
    void pedigreeRequested(const QString& ring);

private:
    void openShows();
    void openShowEntries();
    void openLocations();
    void openRingStock();
    void openCalendar();
    void openStatistics();
    void openMatePlanner();
    void openColours();

    StockDocument& m_stock;
    PreferencesStore& m_preferences;
    QWidget* m_mainWindow;
    std::unique_ptr<ShowsWindow> m_showsWindow;
    std::unique_ptr<ShowEntriesWindow> m_showEntriesWindow;
    std::unique_ptr<LocationsWindow> m_locationsWindow;
    std::unique_ptr<RingStockWindow> m_ringStockWindow;
    std::unique_ptr<BreedingCalendarWindow> m_calendarWindow;
    std::unique_ptr<SeasonStatisticsWindow> m_statisticsWindow;
    std::unique_ptr<MatePlannerWindow> m_matePlanner;
    std::unique_ptr<ColourWindow> m_colourWindow;
};
