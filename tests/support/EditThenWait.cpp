// A program run for tests: starts Avelor on the data folder of its
// environment, enters one animal named on the command line and then waits
// for good, so that a test can kill it as a crash or a power cut would.
// Prints "eingegeben" once the animal is in the stock.
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
        startup.stock()->appendAnimals({testAnimal(QString::fromLocal8Bit(argv[1]))});
        std::puts("eingegeben");
        std::fflush(stdout);
    });
    return app.exec();
}
