#pragma once

#include <QObject>

#include <memory>

class BackgroundSave;
class DataFolderLock;
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
    // saveDelayMs: how long after the last change the data are saved in the background.
    explicit Startup(int splashDelayMs = 3500, int saveDelayMs = 1000);
    ~Startup() override;

    // Loads the data and shows the splash. False when the program must end at
    // once (the message has been shown then).
    bool start();

    StockDocument* stock() const { return m_stock.get(); }
    PreferencesStore* preferences() const { return m_preferences.get(); }
    BackgroundSave* backgroundSave() const { return m_saving.get(); }
    MainWindow* mainWindow() const { return m_main.get(); }
    SplashWindow* splashWindow() const { return m_splash.get(); }

signals:
    void mainWindowShown();

private:
    void onSplashFinished();

    int m_splashDelayMs;
    int m_saveDelayMs;
    std::unique_ptr<DataFolderLock> m_lock;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<StockDocument> m_stock;
    std::unique_ptr<BackgroundSave> m_saving;
    std::unique_ptr<PreferencesStore> m_preferences;
    std::unique_ptr<MainWindow> m_main;
};

// Translations, tooltip timing and names shared by the program and its tests.
void configureApplication();
