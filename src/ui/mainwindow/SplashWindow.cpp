#include "ui/mainwindow/SplashWindow.h"

#include "core/model/AppInfo.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QLabel* yellowLabel(const QString& text, int pointSize, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font(QStringLiteral("Arial"), pointSize, QFont::Bold);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: yellow; background: black;"));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

SplashWindow::SplashWindow(int delayMs, QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashWindow"));
    setWindowTitle(AppInfo::shortTitle());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(yellowLabel(AppInfo::shortTitle(), 28, this));
    layout->addWidget(yellowLabel(tr("für Kanarienvögel"), 20, this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_timer.setSingleShot(true);
    m_timer.setInterval(delayMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        hide();
        emit finished();
    });
}

void SplashWindow::start()
{
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    m_timer.start();
}
