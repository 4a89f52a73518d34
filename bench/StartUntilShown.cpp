// Starts Avelor on the data folder of its environment, without the splash's
// wait, says "gezeigt" once the main window shows and ends at once: the
// start a breeder waits for, in a process of its own whose memory all comes
// fresh from the system.
#include "app/Startup.h"
#include "support/ScriptedMessages.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    configureApplication();
    ScriptedMessages messages; // no message box may wait for a person
    Startup startup(0);
    if (!startup.start())
        return 1;
    QObject::connect(&startup, &Startup::mainWindowShown, &app, [] {
        std::puts("gezeigt");
        std::fflush(stdout);
        std::_Exit(0); // what the close would take is not part of the start
    });
    return app.exec();
}
