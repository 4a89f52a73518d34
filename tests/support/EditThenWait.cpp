// A program run for tests: starts Avelor on the data folder of its
// environment, enters one animal named on the command line (with "schau" a
// show result of it too) and then waits for good, so that a test can kill it
// as a crash or a power cut would. Prints "eingegeben" once the change is made.
#include "app/Startup.h"
#include "core/stock/StockDocument.h"
#include "support/SampleAnimals.h"
#include "support/ScriptedMessages.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    configureApplication();
    ScriptedMessages messages; // no message box may wait for a person
    Startup startup(0);
    if (!startup.start() || argc < 2)
        return 1;
    QObject::connect(&startup, &Startup::mainWindowShown, &app, [&] {
        const QString ring = QString::fromLocal8Bit(argv[1]);
        startup.stock()->appendAnimals({testAnimal(ring)});
        if (argc > 2 && qstrcmp(argv[2], "schau") == 0) {
            ShowResult result {0, ring, QDate(2026, 11, 14), QStringLiteral("Bundesschau"), {}, 185, {}, 1};
            if (!startup.stock()->addShowResult(result).isEmpty())
                return;
        }
        std::puts("eingegeben");
        std::fflush(stdout);
    });
    return app.exec();
}
