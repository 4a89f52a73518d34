// Pictures of every window, as a breeder sees them, for the look of the
// dialogs and for the package's screenshots: avelor-screenshots DIR
#include "app/Startup.h"
#include "core/breeding/PairSheet.h"
#include "core/model/Dates.h"
#include "core/stock/StockDocument.h"
#include "reports/engine/ReportOutput.h"
#include "reports/layouts/PairSheetReport.h"
#include "reports/layouts/PedigreeReport.h"
#include "support/PedigreeSample.h"
#include "support/WindowFixture.h"
#include "ui/common/Choices.h"
#include "ui/common/RingList.h"
#include "ui/genetics/ColourWindow.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/season/BreedingCalendarWindow.h"
#include "ui/season/MatePlannerWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace {

void save(QWidget* window, const QString& folder, const QString& name)
{
    window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

StockData sampleStock()
{
    StockData db = pedigreeSample();
    db.print.showBreeding = 1;
    // A pair with a clutch of four, two of them ringed.
    BreedingPair pair {sampleAncestorRing(1), sampleAncestorRing(2), 3, 45356, {}};
    Clutch clutch {45380, 45383, 45384, 4, {}};
    clutch.young = {{kSampleSubject, 45420, 45398}, {}, {}, {}};
    // A second clutch sat on since 12 May, not yet candled.
    Clutch second {45421, 45423, 45424, 4, {}};
    second.young = {{}, {}, {}, {}};
    pair.clutches = {clutch, second};
    db.pairs = {pair};
    // A brown mother and an opal grandmother: the subject carries brown for sure and opal likely.
    for (auto& a : db.animals) {
        if (a.ringNumber == sampleAncestorRing(2))
            a.colour = QStringLiteral("Braun");
        if (a.ringNumber == sampleAncestorRing(4))
            a.colour = QStringLiteral("Schwarz Opal");
    }
    // A third of the stock without a breed, as hand-kept stocks have it.
    for (size_t i = 0; i < db.animals.size(); i += 3)
        db.animals[i].breed.clear();
    return db;
}

// A sale and a season of shows, as the change dialog and the show window list them.
void addRecords(StockDocument& stock)
{
    AnimalEdit sale;
    const Animal& sold = *stock.lastActive(sampleAncestorRing(3));
    sale.fields = {sold.ringNumber, sold.sex,     QString::number(sold.birthYear),
                   sold.breeder,    sold.colour,  sold.markings,
                   sold.breed,      sold.remarks, sold.listRemarks};
    sale.sold = true;
    Whereabouts w;
    w.status = WhereaboutsStatus::Sold;
    w.date = QDate(2026, 12, 1);
    w.buyerName = QStringLiteral("Hans Beispiel");
    w.buyerAddress = QStringLiteral("Am Markt 1\n12345 Musterstadt");
    w.priceCents = 4500;
    sale.whereabouts = w;
    stock.changeAnimal(sold.ringNumber, sale);
    const std::tuple<QString, QDate, const char*, int, std::optional<int>, const char*> results[] = {
        {kSampleSubject, QDate(2026, 11, 14), "Bundesschau", 185, 1, "Gold"},
        {sampleAncestorRing(1), QDate(2026, 11, 14), "Bundesschau", 182, 1, ""},
        {sampleAncestorRing(2), QDate(2026, 11, 14), "Bundesschau", 181, 1, ""},
        {sampleAncestorRing(4), QDate(2026, 11, 14), "Bundesschau", 179, 1, ""},
        {kSampleSubject, QDate(2026, 10, 4), "Kreisschau Köln", 183, {}, "1. Platz"},
        {kSampleSubject, QDate(2025, 12, 20), "Landesschau", 178, {}, ""},
    };
    for (const auto& [ring, date, show, points, collection, award] : results) {
        ShowResult r {0,
                      ring,
                      date,
                      QString::fromUtf8(show),
                      QStringLiteral("Gloster Corona"),
                      points,
                      QString::fromUtf8(award),
                      collection};
        stock.addShowResult(r);
    }
}

// The change dialog's tabs beyond the first, with the subject chosen.
void saveChangeDialogTabs(QDialog* dialog, const QString& folder)
{
    child<RingList>(dialog, "animalList")->selectRing(kSampleSubject);
    auto* tabs = child<QTabWidget>(dialog, "animalTabs");
    for (const auto& [tab, name] : {std::pair {1, "ChangeAnimalDialog-whereabouts"},
                                    {2, "ChangeAnimalDialog-shows"},
                                    {3, "ChangeAnimalDialog-genetics"}}) {
        if (tab == 1)
            child<RingList>(dialog, "animalList")->selectRing(sampleAncestorRing(3));
        else
            child<RingList>(dialog, "animalList")->selectRing(kSampleSubject);
        tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        save(dialog, folder, QString::fromLatin1(name));
    }
    tabs->setCurrentIndex(0);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    configureApplication();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    WindowFixture f(sampleStock());
    addRecords(f.stock());
    MainWindow* w = f.window();
    w->refresh();
    // As a breeder has it before printing: a bird chosen, the buyer written in.
    child<QComboBox>(w, "animalSelector")->setCurrentText(kSampleSubject);
    child<QPlainTextEdit>(w, "buyerText")->setPlainText(QStringLiteral("Hans Beispiel\nAm Markt 1\n12345 Musterstadt"));
    save(w, folder, QStringLiteral("main-window"));
    const std::pair<const char*, const char*> dialogs[] = {
        {"enterAnimalsButton", "EnterAnimalsDialog"}, {"changeAnimalButton", "ChangeAnimalDialog"},
        {"deleteAnimalButton", "DeleteAnimalDialog"}, {"searchButton", "SearchDialog"},
        {"parentLinksButton", "ParentLinksDialog"},   {"descendantsButton", "DescendantsDialog"},
        {"breederDataButton", "BreederDataDialog"},   {"printSettingsButton", "PrintSettingsDialog"},
        {"breedingButton", "BreedingDialog"},         {"usbBackupButton", "UsbBackupDialog"},
        {"usbRestoreButton", "UsbRestoreDialog"},     {"wipeDatabaseLink", "WipeDatabaseDialog"},
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
        if (QString::fromLatin1(name) == QLatin1String("ChangeAnimalDialog"))
            saveChangeDialogTabs(dialog, folder);
        if (QString::fromLatin1(name) == QLatin1String("BreedingDialog")) {
            auto* tabs = child<QTabWidget>(dialog, "breedingTabs");
            tabs->setCurrentIndex(1);
            child<QComboBox>(dialog, "pairList")->setCurrentIndex(0);
            child<QComboBox>(dialog, "clutchList")->setCurrentIndex(0);
            child<QComboBox>(dialog, "eggList")->setCurrentIndex(1);
            QApplication::processEvents();
            save(dialog, folder, QStringLiteral("BreedingDialog-ringing"));
            // A new pair: the subject, who carries brown, with a hen; the colours of their young below.
            tabs->setCurrentIndex(0);
            selectEntry(child<QComboBox>(dialog, "newCockList"), kSampleSubject);
            selectEntry(child<QComboBox>(dialog, "newHenList"), sampleAncestorRing(6));
            QApplication::processEvents();
            save(dialog, folder, QStringLiteral("BreedingDialog-colours"));
        }
        dialog->reject();
    }
    PairSheetReport sheet;
    sheet.fill(pairSheet(f.stock().animals(), f.stock().pairs()[0]));
    ReportOutput::toImage(sheet.page(), 100, Dates::today()).save(folder + QStringLiteral("/pair-sheet.png"));
    PedigreeReport certificate;
    certificate.fill(f.stock(), kSampleSubject, {});
    ReportOutput::toImage(certificate.page(), 100, Dates::today()).save(folder + QStringLiteral("/certificate.png"));
    const std::pair<const char*, const char*> windows[] = {{"showsAction", "ShowsWindow"},
                                                           {"calendarAction", "BreedingCalendarWindow"},
                                                           {"statisticsAction", "SeasonStatisticsWindow"},
                                                           {"matesAction", "MatePlannerWindow"},
                                                           {"coloursAction", "ColourWindow"}};
    for (const auto& [action, name] : windows) {
        child<QAction>(child<QMenu>(w, "moreMenu"), action)->trigger();
        auto* window = child<QDialog>(w, name);
        if (auto* planner = qobject_cast<MatePlannerWindow*>(window))
            planner->choose(kSampleSubject);
        if (auto* colours = qobject_cast<ColourWindow*>(window))
            colours->choosePair(kSampleSubject, sampleAncestorRing(6));
        if (auto* calendar = qobject_cast<BreedingCalendarWindow*>(window))
            calendar->setToday(QDate(2024, 5, 20)); // the second clutch is due
        QApplication::processEvents();
        save(window, folder, QString::fromLatin1(name));
        window->reject();
    }
    // An import as a breeder's spreadsheet starts it: German headers, one row that needs a look.
    const QString csv = folder + QStringLiteral("/import-sample.csv");
    QFile sample(csv);
    if (sample.open(QIODevice::WriteOnly))
        sample.write("Ring-Nr.;Geschl.;Jahrgang;Farbe;Vater;Mutter;Notiz\r\n"
                     "DE-06165-2026-0101;0.1;26;gelb;DE-06165-2020-0001;DE-06165-2019-0077;zahm\r\n"
                     "DE-06165-2026-0102;1.0;26;rot;DE-06165-2020-0001;;\r\n"
                     "DE-06165-2026-0103;Weibchen;26;;;;\r\n");
    sample.close();
    f.prompts.openedFiles << csv;
    click(w, "importStockLink");
    auto* import = child<QDialog>(w, "ImportStockDialog");
    QApplication::processEvents();
    save(import, folder, QStringLiteral("ImportStockDialog"));
    import->reject();
    QFile::remove(csv);
    click(w, "showStockListButton");
    save(w, folder, QStringLiteral("stock-list-panel"));
    return 0;
}
