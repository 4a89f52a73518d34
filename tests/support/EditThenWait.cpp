// A program run for tests: starts Avelor on the data folder of its
// environment, enters one animal named on the command line (with "schau" a
// show result of it too) and then waits for good, so that a test can kill it
// as a crash or a power cut would. Prints "eingegeben" once the change is made.
// With "fortlaufend N" it first fills an empty stock with N birds, then
// enters RING-1, RING-2, ... every 1.2 seconds, each saved in the background
// before the next: for trials that kill it at random moments of its saves.
#include "app/Startup.h"
#include "core/stock/StockDocument.h"
#include "support/SampleAnimals.h"
#include "support/ScriptedMessages.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    configureApplication();
    ScriptedMessages messages; // no message box may wait for a person
    Startup startup(0);
    if (!startup.start() || argc < 2)
        return 1;
    QTimer again;
    int entered = 0;
    if (argc > 3 && qstrcmp(argv[2], "fortlaufend") == 0) {
        QObject::connect(&startup, &Startup::mainWindowShown, &app, [&] {
            if (startup.stock()->animals().empty()) {
                AnimalTable stock;
                for (int i = 0; i < std::atoi(argv[3]); ++i)
                    stock.push_back(testAnimal(QStringLiteral("BESTAND-%1").arg(i)));
                startup.stock()->appendAnimals(std::move(stock));
            }
            QObject::connect(&again, &QTimer::timeout, &app, [&] {
                startup.stock()->appendAnimals({testAnimal(QStringLiteral("%1-%2").arg(argv[1]).arg(++entered))});
                std::printf("%d\n", entered);
                std::fflush(stdout);
            });
            again.start(1200);
        });
        return app.exec();
    }
    QObject::connect(&startup, &Startup::mainWindowShown, &app, [&] {
        const QString ring = QString::fromLocal8Bit(argv[1]);
        startup.stock()->appendAnimals({testAnimal(ring)});
        if (argc > 2 && qstrcmp(argv[2], "schau") == 0) {
            ShowResult result {0, ring, QDate(2026, 11, 14), QStringLiteral("Bundesschau"), {}, 185, {}, 1};
            if (!startup.stock()->addShowResult(result).isEmpty())
                return;
        }
        if (argc > 2 && qstrcmp(argv[2], "umsetzen") == 0
            && !startup.stock()->moveAnimals({ring}, QStringLiteral("Voliere 2"), QDate(2026, 12, 8)).isEmpty())
            return;
        std::puts("eingegeben");
        std::fflush(stdout);
    });
    return app.exec();
}
