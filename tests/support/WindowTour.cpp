#include "support/WindowTour.h"

#include "core/breeding/PairSheet.h"
#include "core/stock/PreferencesStore.h"
#include "core/stock/StockDocument.h"
#include "core/stocklist/StockList.h"
#include "reports/layouts/CageCardReport.h"
#include "reports/layouts/EntryFormReport.h"
#include "reports/layouts/LocationListReport.h"
#include "reports/layouts/PairSheetReport.h"
#include "reports/layouts/PedigreeReport.h"
#include "reports/layouts/RecordSheetReport.h"
#include "reports/layouts/ShowLabelReport.h"
#include "reports/layouts/StockListReport.h"
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
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

StockData tourStock()
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

void addTourRecords(StockDocument& stock)
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
    // Two birds in their pair's cage; the subject moved from it to flight A-3.
    const BreedingPair& pair = stock.pairs().front();
    stock.moveAnimals({pair.cockRing, pair.henRing, kSampleSubject}, cageLocation(pair.cageNumber), QDate(2024, 3, 1));
    stock.moveAnimals({kSampleSubject}, QStringLiteral("A-3"), QDate(2024, 9, 15));
    // Three rings of the season on hand for the four eggs of the second clutch: the calendar warns.
    stock.addRingDelivery(
        {0, 2024, QStringLiteral("DKB"), QStringLiteral("2,9"), {}, QStringLiteral("DE-06165-2024-"), 1, 3, 4});
    // The coming show: four birds as a collection and the subject alone.
    ShowEvent show {0,
                    QStringLiteral("Bundesschau"),
                    QStringLiteral("Leipzig"),
                    QDate(2026, 12, 12),
                    QDate(2026, 11, 20),
                    QStringLiteral("DKB"),
                    CollectionRule::OneSex};
    stock.addShowEvent(show);
    stock.enterForShow(show.id,
                       {sampleAncestorRing(5), sampleAncestorRing(7), sampleAncestorRing(9), sampleAncestorRing(11)},
                       QStringLiteral("Gloster Corona"), true);
    stock.enterForShow(show.id, {kSampleSubject}, QStringLiteral("Gloster Consort"), false);
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

namespace {

// The change dialog's tabs beyond the first, with the subject chosen.
void visitChangeDialogTabs(QDialog* dialog, const WindowTourVisitor& visit)
{
    child<RingList>(dialog, "animalList")->selectRing(kSampleSubject);
    auto* tabs = child<QTabWidget>(dialog, "animalTabs");
    for (const auto& [tab, name] : {std::pair {1, "ChangeAnimalDialog-whereabouts"},
                                    {2, "ChangeAnimalDialog-location"},
                                    {3, "ChangeAnimalDialog-shows"},
                                    {4, "ChangeAnimalDialog-genetics"}}) {
        if (tab == 1)
            child<RingList>(dialog, "animalList")->selectRing(sampleAncestorRing(3));
        else
            child<RingList>(dialog, "animalList")->selectRing(kSampleSubject);
        tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        visit.window(dialog, QString::fromLatin1(name));
    }
    tabs->setCurrentIndex(0);
}

} // namespace

void tourWindows(WindowFixture& fixture, const WindowTourVisitor& visit)
{
    MainWindow* w = fixture.window();
    w->refresh();
    // As a breeder has it before printing: a bird chosen, the buyer written in.
    child<QComboBox>(w, "animalSelector")->setCurrentText(kSampleSubject);
    child<QPlainTextEdit>(w, "buyerText")->setPlainText(QStringLiteral("Hans Beispiel\nAm Markt 1\n12345 Musterstadt"));
    visit.window(w, QStringLiteral("main-window"));
    const std::pair<const char*, const char*> dialogs[] = {
        {"enterAnimalsButton", "EnterAnimalsDialog"}, {"changeAnimalButton", "ChangeAnimalDialog"},
        {"deleteAnimalButton", "DeleteAnimalDialog"}, {"searchButton", "SearchDialog"},
        {"parentLinksButton", "ParentLinksDialog"},   {"descendantsButton", "DescendantsDialog"},
        {"breederDataButton", "BreederDataDialog"},   {"printSettingsButton", "PrintSettingsDialog"},
        {"breedingButton", "BreedingDialog"},         {"usbBackupButton", "UsbBackupDialog"},
        {"usbRestoreButton", "UsbRestoreDialog"},     {"wipeDatabaseLink", "WipeDatabaseDialog"},
        {"cageCardsButton", "CageCardDialog"},
    };
    for (const auto& [button, name] : dialogs) {
        click(w, button);
        auto* dialog = child<QDialog>(w, name);
        QApplication::processEvents();
        visit.window(dialog, QString::fromLatin1(name));
        if (QString::fromLatin1(name) == QLatin1String("EnterAnimalsDialog")) {
            child<QCheckBox>(dialog, "showSeriesBox")->setChecked(true);
            QApplication::processEvents();
            visit.window(dialog, QStringLiteral("EnterAnimalsDialog-series"));
        }
        if (QString::fromLatin1(name) == QLatin1String("ChangeAnimalDialog"))
            visitChangeDialogTabs(dialog, visit);
        if (QString::fromLatin1(name) == QLatin1String("BreedingDialog")) {
            auto* tabs = child<QTabWidget>(dialog, "breedingTabs");
            tabs->setCurrentIndex(1);
            child<QComboBox>(dialog, "pairList")->setCurrentIndex(0);
            child<QComboBox>(dialog, "clutchList")->setCurrentIndex(0);
            child<QComboBox>(dialog, "eggList")->setCurrentIndex(1);
            QApplication::processEvents();
            visit.window(dialog, QStringLiteral("BreedingDialog-ringing"));
            // A new pair: the subject, who carries brown, with a hen; the colours of their young below.
            tabs->setCurrentIndex(0);
            selectEntry(child<QComboBox>(dialog, "newCockList"), kSampleSubject);
            selectEntry(child<QComboBox>(dialog, "newHenList"), sampleAncestorRing(6));
            QApplication::processEvents();
            visit.window(dialog, QStringLiteral("BreedingDialog-colours"));
        }
        dialog->reject();
    }
    PairSheetReport sheet;
    sheet.fill(pairSheet(fixture.stock().animals(), fixture.stock().pairs()[0]));
    visit.printout(sheet.page(), QStringLiteral("pair-sheet"));
    const std::vector<ReportPage> cards
        = cageCardPages({pairCageCard(fixture.stock(), fixture.stock().pairs()[0], fixture.preferences().calendar()),
                         *birdCageCard(fixture.stock(), kSampleSubject)},
                        CageCardSize::A7);
    visit.printout(cards.front(), QStringLiteral("cage-cards"));
    PedigreeReport certificate;
    RecordSheetReport recordSheet;
    certificate.fill(fixture.stock(), kSampleSubject, {}, &recordSheet);
    visit.printout(certificate.page(), QStringLiteral("certificate"));
    visit.printout(recordSheet.page(), QStringLiteral("record-sheet"));
    for (const StockListLayout layout : {StockListLayout::TwoLines, StockListLayout::OneLine}) {
        const auto list = stockListPages(fixture.stock(), {StockListOrder::ByRing, layout, std::nullopt});
        visit.printout(list->page(0),
                       layout == StockListLayout::OneLine ? QStringLiteral("stock-list-one-line")
                                                          : QStringLiteral("stock-list"));
    }
    visit.printout(locationListPages(fixture.stock(), locatedBirds(fixture.stock()),
                                     QCoreApplication::translate("LocationsWindow", "Standorte"))
                       ->page(0),
                   QStringLiteral("locations"));
    const ShowEvent show = fixture.stock().records().showEvents().front();
    visit.printout(entryFormPages(fixture.stock(), show, fixture.stock().records().entries(show.id))->page(0),
                   QStringLiteral("entry-form"));
    visit.printout(showLabelPages(show, fixture.stock().records().entries(show.id), LabelSheet::ThreeByEight).front(),
                   QStringLiteral("show-labels"));
    const std::pair<const char*, const char*> windows[] = {{"showsAction", "ShowsWindow"},
                                                           {"showEntriesAction", "ShowEntriesWindow"},
                                                           {"locationsAction", "LocationsWindow"},
                                                           {"ringStockAction", "RingStockWindow"},
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
        if (auto* year = window->findChild<QSpinBox*>(QStringLiteral("shownRingYear")))
            year->setValue(2024);
        QApplication::processEvents();
        visit.window(window, QString::fromLatin1(name));
        window->reject();
    }
    // An import as a breeder's spreadsheet starts it: German headers, one row that needs a look.
    const QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/avelor-tour-XXXXXX"));
    const QString csv = scratch.filePath(QStringLiteral("import-sample.csv"));
    QFile sample(csv);
    if (sample.open(QIODevice::WriteOnly))
        sample.write("Ring-Nr.;Geschl.;Jahrgang;Farbe;Vater;Mutter;Notiz\r\n"
                     "DE-06165-2026-0101;0.1;26;gelb;DE-06165-2020-0001;DE-06165-2019-0077;zahm\r\n"
                     "DE-06165-2026-0102;1.0;26;rot;DE-06165-2020-0001;;\r\n"
                     "DE-06165-2026-0103;Weibchen;26;;;;\r\n");
    sample.close();
    fixture.prompts.openedFiles << csv;
    click(w, "importStockLink");
    auto* import = child<QDialog>(w, "ImportStockDialog");
    QApplication::processEvents();
    visit.window(import, QStringLiteral("ImportStockDialog"));
    import->reject();
    QFile::remove(csv);
    click(w, "showStockListButton");
    visit.window(w, QStringLiteral("stock-list-panel"));
}
