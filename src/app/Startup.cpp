#include "app/Startup.h"

#include "core/files/DataFolder.h"
#include "core/files/DataFolderLock.h"
#include "core/files/DataSetNames.h"
#include "core/files/Preferences.h"
#include "core/language/Languages.h"
#include "core/language/TextLanguage.h"
#include "core/model/AppInfo.h"
#include "core/model/SpeciesWords.h"
#include "core/stock/BackgroundSave.h"
#include "core/stock/PreferencesStore.h"
#include "ui/common/Messages.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/SplashWindow.h"

#include <QApplication>
#include <QDir>
#include <QHelpEvent>
#include <QIcon>
#include <QProxyStyle>
#include <QScreen>
#include <QToolTip>

#include <utility>

namespace {

// Tooltips appear 1 ms after the pointer comes to rest.
class TooltipStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// ... and stay 20 seconds: Qt hides them after about ten unless told how long to show them.
class TooltipDuration : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::ToolTip || !widget || widget->toolTip().isEmpty())
            return false;
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), widget->toolTip(), widget, {}, 20000);
        return true;
    }
};

// The icon the menu shows, in every size the theme has, for every window.
QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(AppInfo::DesktopId));
    return icon;
}

} // namespace

void configureApplication()
{
    static bool configured = false;
    if (std::exchange(configured, true))
        return;
    // The window class (X11) is the application name; the desktop entry's StartupWMClass names it.
    QCoreApplication::setApplicationName(AppInfo::ShortTitle);
    QGuiApplication::setDesktopFileName(AppInfo::DesktopId);
    QApplication::setWindowIcon(programIcon());
    // Before the first window: the splash speaks the language already.
    TextLanguage::install(Languages::resolve(Preferences::load(Preferences::defaultFile()).language));
    QApplication::setStyle(new TooltipStyle);
    qApp->installEventFilter(new TooltipDuration(qApp));
}

Startup::Startup(int splashDelayMs, int saveDelayMs) : m_splashDelayMs(splashDelayMs), m_saveDelayMs(saveDelayMs) { }

Startup::~Startup() = default;

bool Startup::start()
{
    m_splash = std::make_unique<SplashWindow>(m_splashDelayMs);

    const QString folder = DataFolder::path();
    QDir().mkpath(folder); // one level: the user's data folder itself always exists
    // Two programs on the same data would each save over the other's changes.
    m_lock = std::make_unique<DataFolderLock>(folder);
    if (!m_lock->tryLock()) {
        Messages::current().warn(nullptr, m_lock->refusal());
        return false;
    }
    DataFiles files(folder);
    StockData db;
    const DataFiles::StartupResult loaded = files.load(db);
    if (loaded.terminate) {
        Messages::current().warn(nullptr, loaded.messages.join(QStringLiteral("\n\n")));
        return false;
    }
    for (const QString& message : loaded.messages)
        Messages::current().warn(nullptr, message);
    if (const QString warning = DataFolder::lowSpaceWarning(folder); !warning.isEmpty())
        Messages::current().warn(nullptr, warning);
    auto records = std::make_unique<RecordsDatabase>();
    if (const auto opened = records->open(folder + DataSetNames::RecordsFile, RecordsDatabase::Access::Owner);
        !opened.message.isEmpty())
        Messages::current().warn(nullptr, opened.message);

    m_stock = std::make_unique<StockDocument>(std::move(db), std::move(files), std::move(records));
    m_saving = std::make_unique<BackgroundSave>(*m_stock, m_saveDelayMs);
    m_preferences = std::make_unique<PreferencesStore>();
    m_preferences->keepHistoryIn(*m_stock);
    m_main = std::make_unique<MainWindow>(*m_stock, *m_preferences);
    connect(m_main.get(), &MainWindow::exitConfirmed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    connect(m_saving.get(), &BackgroundSave::failed, m_main.get(), [this](const QString& message) {
        Messages::current().warn(m_main.get(),
                                 //: %1 says why the save failed
                                 QCoreApplication::translate("Startup",
                                                             "%1\n\nDie Änderungen bleiben im Programm erhalten; "
                                                             "Avelor versucht es gleich noch einmal und "
                                                             "speichert in jedem Fall beim Beenden.")
                                     .arg(message));
    });
    connect(m_splash.get(), &SplashWindow::finished, this, &Startup::onSplashFinished);
    m_splash->start();
    return true;
}

void Startup::onSplashFinished()
{
    m_stock->makePictureFolder(); // a failure shows when a picture is stored
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_main->move(screen->availableGeometry().center() - m_main->rect().center());
    m_main->show();
    emit mainWindowShown();
}
