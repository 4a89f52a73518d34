// The breeding dialog clicked through as a breeder rings the young of a clutch.
#include "core/stock/StockDocument.h"
#include "reports/layouts/PairSheetReport.h"
#include "support/SampleAnimals.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/preview/ReportPreview.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

class TestBreedingDialog : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        StockData db;
        db.print = PrintSettings::defaults();
        db.print.showBreeding = 1;
        db.breeder.firstName = QStringLiteral("Jörg");
        db.breeder.lastName = QStringLiteral("Weiß");
        db.animals = {testAnimal("COCK", Sex::Male, 2022, "Gloster"), testAnimal("HEN", Sex::Female, 2022, "Gloster"),
                      testAnimal("SOLD-COCK", Sex::Male, 2020)};
        db.animals[2].sold = 1;
        m_f = std::make_unique<WindowFixture>(std::move(db));
        m_dialog = m_f->open("breedingButton", "BreedingDialog");
    }

    void cleanup() { m_f.reset(); }

    void aPairIsCreatedWithTheLastFailingCheckReported()
    {
        QCOMPARE(entries(child<QComboBox>(m_dialog, "newCockList")), (QStringList {"COCK", "SOLD-COCK"}));
        type(m_dialog, "newStartEdit", QStringLiteral("31.02.2024"));
        click(m_dialog, "createPairButton");
        QCOMPARE(m_f->messages.last(), QStringLiteral("Bitte Vogel (w) 0.1 auswählen!"));
        choose(child<QComboBox>(m_dialog, "newCockList"), QStringLiteral("COCK"));
        choose(child<QComboBox>(m_dialog, "newHenList"), QStringLiteral("HEN"));
        click(m_dialog, "createPairButton");
        QCOMPARE(m_f->messages.last(), QStringLiteral("Ungültige Heckennummer!"));
        type(m_dialog, "newCageEdit", QStringLiteral("3"));
        click(m_dialog, "createPairButton");
        QCOMPARE(m_f->messages.last(), QStringLiteral("Ungültiges Zuchtbeginn-Datum!"));
        createPair();
        QCOMPARE(m_f->messages.last(),
                 QStringLiteral("Das Zuchtpaar wurde gespeichert. Wählen Sie es nun aus um Gelege einzugeben."));
        QCOMPARE(child<QTabWidget>(m_dialog, "breedingTabs")->currentIndex(), 1);
        QCOMPARE(entries(child<QComboBox>(m_dialog, "pairList")), QStringList {"COCK - HEN vom 05.03.24"});
    }

    // A breeder's season: a pair, a clutch of four, two young ringed, the sheet printed.
    void ringingTheYoungEntersThemWithTheirParents()
    {
        createPair();
        choose(child<QComboBox>(m_dialog, "pairList"), QStringLiteral("COCK - HEN vom 05.03.24"));
        QCOMPARE(child<QLineEdit>(m_dialog, "startEdit")->text(), QStringLiteral("05.03.2024"));
        QCOMPARE(child<QComboBox>(m_dialog, "cockList")->currentText(), QStringLiteral("COCK"));
        saveClutch("4");
        QVERIFY(!child(m_dialog, "clutchGroup")->isVisible());
        choose(child<QComboBox>(m_dialog, "clutchList"), QStringLiteral("Gelege 1"));
        QVERIFY(child(m_dialog, "ringingGroup")->isVisible());
        QCOMPARE(entries(child<QComboBox>(m_dialog, "eggList")), (QStringList {"1", "2", "3", "4"}));

        m_f->messages.clear();
        ring("1", "de-24-1", 1);
        QCOMPARE(m_f->messages.texts.size(), 0);
        QVERIFY(!child(m_dialog, "eggPanel")->isVisible());
        ring("2", "DE-24-2", 2);
        const Animal& young = m_f->animals().back();
        QCOMPARE(young.ringNumber, QStringLiteral("DE-24-2"));
        QCOMPARE(young.fatherRing, QStringLiteral("COCK"));
        QCOMPARE(young.motherRing, QStringLiteral("HEN"));
        QCOMPARE(young.breeder, QStringLiteral("Jörg Weiß"));
        QCOMPARE(m_f->stock().pairs()[0].clutches[0].young[0].ring, QStringLiteral("DE-24-1"));

        // A ringed egg shows its bird and cannot be edited; "Ei-Infos löschen" frees the ring again.
        choose(child<QComboBox>(m_dialog, "eggList"), QStringLiteral("1"));
        QCOMPARE(child<QLineEdit>(m_dialog, "youngRingEdit")->text(), QStringLiteral("DE-24-1"));
        QCOMPARE(child<QComboBox>(m_dialog, "youngSexList")->currentIndex(), 1);
        QVERIFY(!child(m_dialog, "cancelEggButton")->isEnabled());
        click(m_dialog, "clearEggButton");
        QVERIFY(m_f->messages.last().contains(QStringLiteral("DE-24-1")));
        QVERIFY(m_f->stock().pairs()[0].clutches[0].young[0].ring.isEmpty());
        ring("1", "DE-24-1", 1);
        QCOMPARE(m_f->stock().pairs()[0].clutches[0].young[0].ring, QStringLiteral("DE-24-1"));

        m_dialog->done(0);
        choose(child<QComboBox>(m_f->window(), "pairSelector"), QStringLiteral("COCK - HEN vom 05.03.24"));
        click(m_f->window(), "printPairButton");
        QVERIFY(m_f->window()->findChild<ReportPreview*>());
        QVERIFY(entries(child<QComboBox>(m_f->window(), "animalSelector")).contains("DE-24-2"));
    }

    // Half siblings as a pair: their young would have F = 1/8, shown before anything is ringed.
    // An egg to ring offers the next club ring of the season that no bird wears.
    void theNextFreeRingOfTheSeasonIsOffered()
    {
        QCOMPARE(
            m_f->stock().addRingDelivery({0, 2024, QStringLiteral("DKB"), {}, {}, QStringLiteral("DE-24-"), 1, 5, 1}),
            QString());
        createPair();
        choose(child<QComboBox>(m_dialog, "pairList"), QStringLiteral("COCK - HEN vom 05.03.24"));
        saveClutch("3");
        choose(child<QComboBox>(m_dialog, "clutchList"), QStringLiteral("Gelege 1"));
        choose(child<QComboBox>(m_dialog, "eggList"), QStringLiteral("1"));
        QCOMPARE(child<QLineEdit>(m_dialog, "youngRingEdit")->text(), QStringLiteral("DE-24-1"));
        ring("1", "DE-24-1", 1);
        choose(child<QComboBox>(m_dialog, "eggList"), QStringLiteral("2"));
        QCOMPARE(child<QLineEdit>(m_dialog, "youngRingEdit")->text(), QStringLiteral("DE-24-2"));
        QVERIFY(child<QLineEdit>(m_dialog, "youngRingEdit")->hasSelectedText()); // typing replaces it
    }

    void thePairsInbreedingIsShown()
    {
        m_dialog->reject();
        m_f->change([](StockData& db) {
            db.animals = {testAnimal("G1", Sex::Male), testAnimal("G2", Sex::Female), testAnimal("G3", Sex::Female),
                          testAnimal("COCK", Sex::Male), testAnimal("HEN", Sex::Female)};
            db.animals[3].fatherRing = db.animals[4].fatherRing = QStringLiteral("G1");
            db.animals[3].motherRing = QStringLiteral("G2");
            db.animals[4].motherRing = QStringLiteral("G3");
        });
        m_dialog = m_f->open("breedingButton", "BreedingDialog");
        // Half siblings are close: pairing them is asked about, and "Nein" pairs nothing.
        createPair();
        QCOMPARE(m_f->messages.questions.last(),
                 QStringLiteral("Frage: Hahn COCK und Henne HEN sind eng verwandt (Halbgeschwister): Die Jungen hätten "
                                "einen Inzuchtkoeffizienten von 12,5 %.\n\nTrotzdem als Zuchtpaar speichern?"));
        QVERIFY(m_f->stock().pairs().empty());
        m_f->messages.answer(true);
        createPair();
        choose(child<QComboBox>(m_dialog, "pairList"), QStringLiteral("COCK - HEN vom 05.03.24"));
        QCOMPARE(child<QLabel>(m_dialog, "pairInbreedingLabel")->text(),
                 QStringLiteral("Inzuchtkoeffizient der Jungen: 12,5 %"));

        // The figure belongs to the pair shown: gone with the pair, the tab or the dialog.
        click(m_dialog, "deletePairButton");
        QVERIFY(child<QLabel>(m_dialog, "pairInbreedingLabel")->text().isEmpty());
        m_f->messages.answer(true);
        createPair();
        choose(child<QComboBox>(m_dialog, "pairList"), QStringLiteral("COCK - HEN vom 05.03.24"));
        child<QTabWidget>(m_dialog, "breedingTabs")->setCurrentIndex(0);
        child<QTabWidget>(m_dialog, "breedingTabs")->setCurrentIndex(1);
        QVERIFY(child<QLabel>(m_dialog, "pairInbreedingLabel")->text().isEmpty());
        choose(child<QComboBox>(m_dialog, "pairList"), QStringLiteral("COCK - HEN vom 05.03.24"));
        m_dialog->reject();
        m_dialog = m_f->open("breedingButton", "BreedingDialog");
        QVERIFY(child<QLabel>(m_dialog, "pairInbreedingLabel")->text().isEmpty());
    }

    // A pair file may hold another egg count than young records, even a huge one: the eggs
    // offered are the records it holds, and choosing one works.
    void aClutchIsRingedByTheRecordsItHolds()
    {
        m_dialog->reject();
        m_f->change([](StockData& db) {
            Clutch clutch {45380, 45383, 45384, 100000000, {{}, {QStringLiteral("HEN"), 0, 45398}}};
            db.pairs = {{QStringLiteral("COCK"), QStringLiteral("HEN"), 3, 45356, {clutch}}};
        });
        m_dialog = m_f->open("breedingButton", "BreedingDialog");
        child<QTabWidget>(m_dialog, "breedingTabs")->setCurrentIndex(1);
        choose(child<QComboBox>(m_dialog, "pairList"), QStringLiteral("COCK - HEN vom 05.03.24"));
        choose(child<QComboBox>(m_dialog, "clutchList"), QStringLiteral("Gelege 1"));
        QCOMPARE(entries(child<QComboBox>(m_dialog, "eggList")), (QStringList {"1", "2"}));
        ring("1", "DE-1", 1);
        QCOMPARE(m_f->stock().pairs()[0].clutches[0].young[0].ring, QStringLiteral("DE-1"));
        type(m_dialog, "eggCountEdit", QStringLiteral("100000000"));
        click(m_dialog, "saveClutchButton");
        QCOMPARE(m_f->messages.last(), QStringLiteral("Ungültige Anzahl Eier!"));
        QCOMPARE(m_f->stock().pairs()[0].clutches[0].young.size(), size_t(2));
    }

    // "Zuchtpaar speichern", "Gelege löschen" and "Zuchtpaar löschen" change the pair table through the document.
    void pairsAndClutchesAreSavedAndDeletedByTheirButtons()
    {
        click(m_dialog, "savePairButton");
        QCOMPARE(m_f->messages.last(),
                 QStringLiteral("Bitte wählen Sie zunächst das Zuchtpaar aus, das Sie bearbeiten möchten."));
        createPair();
        choose(child<QComboBox>(m_dialog, "pairList"), QStringLiteral("COCK - HEN vom 05.03.24"));
        saveClutch("3");
        saveClutch("5");
        QCOMPARE(m_f->stock().pairs()[0].clutches.size(), size_t(2));

        type(m_dialog, "cageEdit", QStringLiteral("x"));
        click(m_dialog, "savePairButton");
        QCOMPARE(m_f->messages.last(), QStringLiteral("Ungültige Heckennummer!"));
        QCOMPARE(m_f->stock().pairs()[0].cageNumber, 3);
        type(m_dialog, "cageEdit", QStringLiteral("7"));
        type(m_dialog, "startEdit", QStringLiteral("06.03.2024"));
        click(m_dialog, "savePairButton");
        QCOMPARE(m_f->messages.last(), QStringLiteral("Das Zuchtpaar wurde gespeichert."));
        const BreedingPair& pair = m_f->stock().pairs()[0];
        QCOMPARE(pair.cageNumber, 7);
        QCOMPARE(pair.clutches.size(), size_t(2)); // saving the pair keeps its clutches
        QCOMPARE(entries(child<QComboBox>(m_f->window(), "pairSelector")), QStringList {"COCK - HEN vom 06.03.24"});

        choose(child<QComboBox>(m_dialog, "pairList"), QStringLiteral("COCK - HEN vom 06.03.24"));
        choose(child<QComboBox>(m_dialog, "clutchList"), QStringLiteral("Gelege 1"));
        click(m_dialog, "deleteClutchButton");
        QCOMPARE(m_f->stock().pairs()[0].clutches.size(), size_t(1));
        QCOMPARE(m_f->stock().pairs()[0].clutches[0].eggCount, 5); // the second became the first
        QCOMPARE(entries(child<QComboBox>(m_dialog, "clutchList")), QStringList {"Gelege 1"});

        click(m_dialog, "deletePairButton");
        QVERIFY(m_f->stock().pairs().empty());
        QVERIFY(entries(child<QComboBox>(m_dialog, "pairList")).isEmpty());
        QVERIFY(entries(child<QComboBox>(m_f->window(), "pairSelector")).isEmpty());
        QCOMPARE(m_f->animals().size(), size_t(3)); // the birds stay
    }

    void twelveEggsAreListedInNumericOrder()
    {
        createPair();
        choose(child<QComboBox>(m_dialog, "pairList"), QStringLiteral("COCK - HEN vom 05.03.24"));
        saveClutch("12");
        choose(child<QComboBox>(m_dialog, "clutchList"), QStringLiteral("Gelege 1"));
        QCOMPARE(entries(child<QComboBox>(m_dialog, "eggList")).mid(8, 3), (QStringList {"9", "10", "11"}));
        ring("10", "E-10", 2);
        QCOMPARE(m_f->stock().pairs()[0].clutches[0].young[9].ring, QStringLiteral("E-10"));
    }

    // Cards for the chosen pairs or the birds typed in, each refusal told, then the preview.
    void cageCardsOfPairsOrBirds()
    {
        createPair();
        createPair();
        m_dialog->done(0);
        QDialog* cards = m_f->open("cageCardsButton", "CageCardDialog");
        auto* pairs = child<QListWidget>(cards, "pairList");
        QCOMPARE(pairs->count(), 2);
        click(cards, "noPairs");
        click(cards, "previewCards");
        QCOMPARE(m_f->messages.last(), QStringLiteral("Bitte wählen Sie mindestens ein Zuchtpaar aus."));
        pairs->item(1)->setCheckState(Qt::Checked);
        click(cards, "previewCards");
        ReportPreview* preview = m_f->window()->findChild<ReportPreview*>();
        QVERIFY(preview);
        delete preview;

        child<QPlainTextEdit>(cards, "ringList")->setPlainText(QStringLiteral("COCK\n\nNICHTDA"));
        QVERIFY(child<QRadioButton>(cards, "byRings")->isChecked());
        click(cards, "previewCards");
        QCOMPARE(m_f->messages.last(), QStringLiteral("Die Ringnummer „NICHTDA“ ist nicht im Bestand."));
        QVERIFY(!m_f->window()->findChild<ReportPreview*>());
        child<QPlainTextEdit>(cards, "ringList")->setPlainText(QStringLiteral(" COCK \nHEN"));
        click(cards, "previewCards");
        QVERIFY(m_f->window()->findChild<ReportPreview*>());
    }

private:
    void createPair()
    {
        child<QTabWidget>(m_dialog, "breedingTabs")->setCurrentIndex(0);
        type(m_dialog, "newStartEdit", QStringLiteral("05.03.2024"));
        type(m_dialog, "newCageEdit", QStringLiteral("3"));
        choose(child<QComboBox>(m_dialog, "newCockList"), QStringLiteral("COCK"));
        choose(child<QComboBox>(m_dialog, "newHenList"), QStringLiteral("HEN"));
        click(m_dialog, "createPairButton");
    }

    void saveClutch(const char* eggs)
    {
        click(m_dialog, "newClutchButton");
        QVERIFY(child(m_dialog, "clutchGroup")->isVisible());
        type(m_dialog, "eggCountEdit", QString::fromLatin1(eggs));
        type(m_dialog, "firstEggEdit", QStringLiteral("01.04.2024"));
        type(m_dialog, "lastEggEdit", QStringLiteral("04.04.2024"));
        type(m_dialog, "incubationStartEdit", QStringLiteral("05.04.2024"));
        click(m_dialog, "saveClutchButton");
    }

    void ring(const char* egg, const char* ring, int sex)
    {
        choose(child<QComboBox>(m_dialog, "eggList"), QString::fromLatin1(egg));
        QVERIFY(child(m_dialog, "eggPanel")->isVisible());
        type(m_dialog, "youngRingEdit", QString::fromLatin1(ring));
        child<QComboBox>(m_dialog, "youngSexList")->setCurrentIndex(sex);
        type(m_dialog, "hatchedEdit", QStringLiteral("02.05.2024"));
        type(m_dialog, "weanedEdit", QStringLiteral("30.05.2024"));
        click(m_dialog, "enterYoungButton");
    }

    std::unique_ptr<WindowFixture> m_f;
    QDialog* m_dialog = nullptr;
};

QTEST_MAIN(TestBreedingDialog)
#include "TestBreedingDialog.moc"
