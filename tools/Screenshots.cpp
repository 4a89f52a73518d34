// Pictures of every window, as a breeder sees them, for the look of the
// dialogs and for the package's screenshots: avelor-screenshots DIR
#include "app/Startup.h"
#include "core/stock/StockDocument.h"
#include "support/PedigreeSample.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>

namespace {

void save(QWidget* window, const QString& folder, const QString& name)
{
    window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

Database sampleStock()
{
    Database db = pedigreeSample();
    db.print.showBreeding = 1;
    // A third of the stock without a breed, as hand-kept stocks have it.
    for (size_t i = 0; i < db.animals.size(); i += 3)
        db.animals[i].breed.clear();
    return db;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    configureApplication();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    WindowFixture f(sampleStock());
    MainWindow* w = f.window();
    w->refresh();
    save(w, folder, QStringLiteral("main-window"));
    const std::pair<const char*, const char*> dialogs[] = {
        {"enterAnimalsButton", "EnterAnimalsDialog"}, {"changeAnimalButton", "ChangeAnimalDialog"},
        {"deleteAnimalButton", "DeleteAnimalDialog"}, {"searchButton", "SearchDialog"},
        {"parentLinksButton", "ParentLinksDialog"},   {"descendantsButton", "DescendantsDialog"},
        {"breederDataButton", "BreederDataDialog"},   {"printSettingsButton", "PrintSettingsDialog"},
    };
    for (const auto& [button, name] : dialogs) {
        click(w, button);
        auto* dialog = child<QDialog>(w, name);
        QApplication::processEvents();
        save(dialog, folder, QString::fromLatin1(name));
        if (QString::fromLatin1(name) == QLatin1String("EnterAnimalsDialog")) {
            child<QCheckBox>(dialog, "showSeriesBox")->setChecked(true);
            QApplication::processEvents();
            save(dialog, folder, QStringLiteral("EnterAnimalsDialog-series"));
        }
        dialog->reject();
    }
    click(w, "showStockListButton");
    save(w, folder, QStringLiteral("stock-list-panel"));
    return 0;
}
