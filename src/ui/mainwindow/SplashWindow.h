#pragma once

#include <QTimer>
#include <QWidget>

// The black window with the program's name that stands while the data load.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SplashWindow(int delayMs, QWidget* parent = nullptr);

    // Shows the window centred and starts the one-shot timer.
    void start();

signals:
    void finished();

private:
    QTimer m_timer;
};
