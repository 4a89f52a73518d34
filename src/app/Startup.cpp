#include "app/Startup.h"

#include "core/files/DataFolder.h"
#include "core/model/SpeciesWords.h"
#include "ui/common/Messages.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/SplashWindow.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QProxyStyle>
#include <QTranslator>

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

    DataFiles files(DataFolder::path());
    Database db;
    const DataFiles::StartupResult loaded = files.load(db);
    if (loaded.terminate) {
        Messages::current().warn(nullptr, loaded.messages.join(QStringLiteral("\n\n")));
        return false;
    }
    for (const QString& message : loaded.messages)
        Messages::current().warn(nullptr, message);

    m_main = std::make_unique<MainWindow>(std::move(db), std::move(files));
    connect(m_main.get(), &MainWindow::exitConfirmed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    connect(m_splash.get(), &SplashWindow::finished, this, &Startup::onSplashFinished);
    m_splash->start();
    return true;
}

void Startup::onSplashFinished()
{
    QDir().mkpath(DataFolder::picturesFolder());
    m_main->show();
    emit mainWindowShown();
}
