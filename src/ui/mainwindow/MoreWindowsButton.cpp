#include "ui/mainwindow/MoreWindowsButton.h"

#include "ui/breeding/RingStockWindow.h"
#include "ui/common/Modal.h"
#include "ui/genetics/ColourWindow.h"
#include "ui/mainwindow/CommandButton.h"
#include "ui/season/BreedingCalendarWindow.h"
#include "ui/season/MatePlannerWindow.h"
#include "ui/season/SeasonStatisticsWindow.h"
#include "ui/shows/ShowEntriesWindow.h"
#include "ui/shows/ShowsWindow.h"
#include "ui/stock/LocationsWindow.h"

#include <QMenu>

MoreWindowsButton::MoreWindowsButton(StockDocument& stock, PreferencesStore& preferences, QWidget* mainWindow)
    : QPushButton(tr("Saison und Auswertungen"), mainWindow)
    , m_stock(stock)
    , m_preferences(preferences)
    , m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("moreButton"));
    setMinimumHeight(kCommandButtonHeight);
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("moreMenu"));
    const struct
    {
        QString text;
        const char* name;
        void (MoreWindowsButton::*command)();
    } windows[] = {
        {tr("&Zuchtkalender…"), "calendarAction", &MoreWindowsButton::openCalendar},
        {tr("Zucht&statistik…"), "statisticsAction", &MoreWindowsButton::openStatistics},
        {tr("&Partnersuche…"), "matesAction", &MoreWindowsButton::openMatePlanner},
        {tr("&Farbvererbung…"), "coloursAction", &MoreWindowsButton::openColours},
        {tr("Ausstellungs&meldung…"), "showEntriesAction", &MoreWindowsButton::openShowEntries},
        {tr("&Ausstellungsergebnisse…"), "showsAction", &MoreWindowsButton::openShows},
        {tr("S&tandorte…"), "locationsAction", &MoreWindowsButton::openLocations},
        {tr("&Ringbestand…"), "ringStockAction", &MoreWindowsButton::openRingStock},
    };
    for (const auto& window : windows) {
        QAction* action = menu->addAction(window.text, this, window.command);
        action->setObjectName(QString::fromLatin1(window.name));
    }
    setMenu(menu);
}

MoreWindowsButton::~MoreWindowsButton() = default;

void MoreWindowsButton::openShows()
{
    if (!m_showsWindow) {
        auto& window = lazily(m_showsWindow, m_stock, m_mainWindow);
        connect(&window, &ShowsWindow::pedigreeRequested, this, &MoreWindowsButton::pedigreeRequested);
    }
    showModal(m_showsWindow.get());
}

void MoreWindowsButton::openShowEntries()
{
    showModal(&lazily(m_showEntriesWindow, m_stock, m_mainWindow));
}

void MoreWindowsButton::openLocations()
{
    showModal(&lazily(m_locationsWindow, m_stock, m_mainWindow));
}

void MoreWindowsButton::openRingStock()
{
    showModal(&lazily(m_ringStockWindow, m_stock, m_mainWindow));
}

void MoreWindowsButton::openCalendar()
{
    if (!m_calendarWindow) {
        auto& window = lazily(m_calendarWindow, m_stock, m_preferences, m_mainWindow);
        connect(&window, &BreedingCalendarWindow::pairRequested, this, &MoreWindowsButton::pairRequested);
    }
    showModal(m_calendarWindow.get());
}

void MoreWindowsButton::openStatistics()
{
    showModal(&lazily(m_statisticsWindow, m_stock, m_mainWindow));
}

void MoreWindowsButton::openMatePlanner()
{
    if (!m_matePlanner) {
        auto& window = lazily(m_matePlanner, m_stock, m_mainWindow);
        connect(&window, &MatePlannerWindow::pairRequested, this, &MoreWindowsButton::newPairRequested);
    }
    showModal(m_matePlanner.get());
}

void MoreWindowsButton::showColoursOf(const QString& cock, const QString& hen)
{
    lazily(m_colourWindow, m_stock, m_mainWindow).choosePair(cock, hen);
    openColours();
}

void MoreWindowsButton::openColours()
{
    showModal(&lazily(m_colourWindow, m_stock, m_mainWindow));
}
