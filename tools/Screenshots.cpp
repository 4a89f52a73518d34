// Pictures of every window and printout, as a breeder sees them, for the
// look of the dialogs and for the package's screenshots: avelor-screenshots DIR
#include "app/Startup.h"
#include "core/model/Dates.h"
#include "reports/engine/ReportOutput.h"
#include "support/WindowFixture.h"
#include "support/WindowTour.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    configureApplication();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    WindowFixture f(tourStock());
    addTourRecords(f.stock());
    const auto file = [&folder](const QString& name) {
        return folder + QLatin1Char('/') + name + QStringLiteral(".png");
    };
    tourWindows(f,
                {.window = [&file](QWidget* window, const QString& name) { window->grab().save(file(name)); },
                 .printout =
                     [&file](const ReportPage& page, const QString& name) {
                         ReportOutput::toImage(page, 100, Dates::today()).save(file(name));
                     }});
    return 0;
}
