#pragma once

#include <QObject>

#include <memory>

class MainWindow;
class PreferencesStore;
class SplashWindow;
class StockDocument;

// Brings the program up: splash, data, main window; and ends it when the
// main window says so.
class Startup : public QObject
{
    Q_OBJECT

public:
    explicit Startup(int splashDelayMs = 3500);
    ~Startup() override;

    // Loads the data and shows the splash. False when the program must end at
    // once (the message has been shown then).
    bool start();

    StockDocument* stock() const { return m_stock.get(); }
    PreferencesStore* preferences() const { return m_preferences.get(); }
    MainWindow* mainWindow() const { return m_main.get(); }
    SplashWindow* splashWindow() const { return m_splash.get(); }

signals:
    void mainWindowShown();

private:
    void onSplashFinished();

    int m_splashDelayMs;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<StockDocument> m_stock;
    std::unique_ptr<PreferencesStore> m_preferences;
    std::unique_ptr<MainWindow> m_main;
};

// Translations, tooltip timing and names shared by the program and its tests.
void configureApplication();
