#include "app/Startup.h"

#include "core/files/DataFolder.h"
#include "core/model/AppInfo.h"
#include "core/model/SpeciesWords.h"
#include "ui/common/Messages.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/SplashWindow.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QProxyStyle>
#include <QTranslator>

#include <utility>

namespace {

// Tooltips appear at once and stay 20 seconds.
class TooltipStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 1;
        if (hint == SH_ToolTip_FallAsleepDelay)
            return 20000;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void configureApplication()
{
    static bool configured = false;
    if (std::exchange(configured, true))
        return;
    QCoreApplication::setApplicationName(AppInfo::ShortTitle);
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    QApplication::setStyle(new TooltipStyle);
}

Startup::Startup(int splashDelayMs) : m_splashDelayMs(splashDelayMs) { }

Startup::~Startup() = default;

bool Startup::start()
{
    m_splash = std::make_unique<SplashWindow>(m_splashDelayMs);

    const QString folder = DataFolder::path();
    QDir().mkpath(folder); // one level: the user's data folder itself always exists
    DataFiles files(folder);
    Database db;
    const DataFiles::StartupResult loaded = files.load(db);
    if (loaded.terminate) {
        Messages::current().warn(nullptr, loaded.messages.join(QStringLiteral("\n\n")));
        return false;
    }
    for (const QString& message : loaded.messages)
        Messages::current().warn(nullptr, message);

    m_stock = std::make_unique<StockDocument>(std::move(db), std::move(files));
    m_main = std::make_unique<MainWindow>(*m_stock);
    connect(m_main.get(), &MainWindow::exitConfirmed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    connect(m_splash.get(), &SplashWindow::finished, this, &Startup::onSplashFinished);
    m_splash->start();
    return true;
}

void Startup::onSplashFinished()
{
    m_stock->pictures().makeFolder(); // a failure shows when a picture is stored
    m_main->show();
    emit mainWindowShown();
}
