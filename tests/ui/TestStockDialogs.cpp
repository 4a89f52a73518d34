// Entering, linking and deleting animals and the breeder data, clicked
// through the dialogs as a breeder would.
#include "core/stock/StockDocument.h"
#include "support/FileHelpers.h"
#include "support/SampleAnimals.h"
#include "support/WindowFixture.h"
#include "ui/common/RingList.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/StockListPanel.h"

#include <QCheckBox>
#include <QDate>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

void fillAnimal(QDialog* dialog, const QString& ring)
{
    type(dialog, "ringEdit", ring);
    child<QComboBox>(dialog, "sexList")->setCurrentIndex(2);
    type(dialog, "yearCombo", QStringLiteral("2012"));
    type(dialog, "breederCombo", QStringLiteral("Müller"));
    type(dialog, "colourCombo", QStringLiteral("gelb"));
    type(dialog, "markingsCombo", QStringLiteral("einfarbig"));
    type(dialog, "breedCombo", QStringLiteral("Gloster"));
}

} // namespace

class TestStockDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        StockData db;
        db.print = PrintSettings::defaults();
        db.animals
            = {testAnimal("CHILD", Sex::Male, 2014, "Gloster"), testAnimal("MUM", Sex::Female, 2012, "Gloster"),
               testAnimal("DAD", Sex::Male, 2011, "Timbrado"), testAnimal("SOLDDAD", Sex::Male, 2010, "Gloster")};
        db.animals[0].fatherRing = QStringLiteral("SOLDDAD");
        db.animals[3].sold = 1;
        m_f = std::make_unique<WindowFixture>(std::move(db));
    }

    void cleanup() { m_f.reset(); }

    // A spreadsheet of a breeder: columns recognised or chosen, each row's outcome shown, one step in.
    void aSpreadsheetComesInAsOneStep()
    {
        QTemporaryDir dir;
        const QString csv = dir.path() + QStringLiteral("/liste.csv");
        put(csv, "Ring-Nr.,Geschl.,Jahr,Kommentar\r\nNEU-1,0.1,25,zahm\r\nMUM,w,2013,\r\nNEU-2,Weibchen,,\r\n");
        m_f->prompts.openedFiles << csv;
        click(m_f->window(), "importStockLink");
        auto* dialog = m_f->window()->findChild<QDialog*>(QStringLiteral("ImportStockDialog"));
        QVERIFY(dialog && dialog->isVisible());
        auto* preview = child<QTableView>(dialog, "importPreview");
        const auto outcome = [preview](int row) {
            return preview->model()->index(row, 2).data().toString();
        };
        QCOMPARE(outcome(0), QStringLiteral("neu"));
        QCOMPARE(outcome(1), QStringLiteral("ändert Geburtsjahr"));
        QCOMPARE(outcome(2),
                 QStringLiteral("Fehler: Das Geschlecht „Weibchen“ ist unbekannt (erwartet: 1.0 oder 0.1, "
                                "m oder w, Hahn oder Henne)."));
        QVERIFY(!child<QPushButton>(dialog, "importButton")->isEnabled());

        // The sex column left out, the wrong row is right; the comment goes to the remarks.
        auto* columns = child<QTableWidget>(dialog, "importColumns");
        choose(static_cast<QComboBox*>(columns->cellWidget(1, 2)), QStringLiteral("nicht übernehmen"));
        choose(static_cast<QComboBox*>(columns->cellWidget(3, 2)), QStringLiteral("Bemerkungen"));
        QCOMPARE(child<QLabel>(dialog, "importSummary")->text(),
                 QStringLiteral("2 neu, 1 geändert, 0 unverändert, 0 fehlerhaft"));
        click(dialog, "importButton");
        QCOMPARE(m_f->stock().lastActive(QStringLiteral("NEU-1"))->remarks, QStringLiteral("zahm"));
        QCOMPARE(m_f->stock().lastActive(QStringLiteral("MUM"))->birthYear, 2013);
        QVERIFY(m_f->messages.last().startsWith(QStringLiteral("Der Bestand wurde importiert")));
        QCOMPARE(outcome(0), QStringLiteral("unverändert"));

        QCOMPARE(m_f->stock().undo(), QString());
        QVERIFY(!m_f->stock().lastActive(QStringLiteral("NEU-1")));
        QCOMPARE(m_f->stock().lastActive(QStringLiteral("MUM"))->birthYear, 2012);
        dialog->reject();
    }

    void enteringAnAnimalUpperCasesAndRefreshes()
    {
        auto& messages = m_f->messages;
        QDialog* dialog = m_f->open("enterAnimalsButton", "EnterAnimalsDialog");
        QCOMPARE(entries(child<QComboBox>(dialog, "yearCombo")).size(), 31);
        QCOMPARE(child<QComboBox>(dialog, "yearCombo")->itemText(0), QString::number(QDate::currentDate().year()));
        QCOMPARE(entries(child<QComboBox>(dialog, "breedCombo")), (QStringList {"Gloster", "Timbrado"}));
        fillAnimal(dialog, QStringLiteral("ab-12"));
        QCOMPARE(child<QLineEdit>(dialog, "ringEdit")->text(), QStringLiteral("AB-12"));
        click(dialog, "saveButton");
        QVERIFY(messages.texts.isEmpty());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(animals().back().ringNumber, QStringLiteral("AB-12"));
        QCOMPARE(animals().back().sex, Sex::Female);
        QVERIFY(entries(child<QComboBox>(m_f->window(), "animalSelector")).contains("AB-12"));

        dialog = m_f->open("enterAnimalsButton", "EnterAnimalsDialog");
        fillAnimal(dialog, QStringLiteral("ab-12"));
        click(dialog, "saveButton");
        QCOMPARE(messages.last(), QStringLiteral("ACHTUNG:\n\r\n\rDie Ringnr AB-12 ist bereits angelegt."));
        QVERIFY(dialog->isVisible());
        QCOMPARE(animals().size(), size_t(5));
        dialog->reject();
    }

    void seriesEntryKeepsChosenFields()
    {
        QDialog* dialog = m_f->open("enterAnimalsButton", "EnterAnimalsDialog");
        child<QCheckBox>(dialog, "showSeriesBox")->setChecked(true);
        child<QSpinBox>(dialog, "keepDigits")->setValue(9);
        child<QCheckBox>(dialog, "keepBreeder")->setChecked(true);
        fillAnimal(dialog, QStringLiteral("06165-12-084"));
        click(dialog, "saveButton");
        dialog = m_f->open("enterAnimalsButton", "EnterAnimalsDialog");
        QCOMPARE(child<QLineEdit>(dialog, "ringEdit")->text(), QStringLiteral("06165-12-"));
        QCOMPARE(child<QComboBox>(dialog, "breederCombo")->currentText(), QStringLiteral("Müller"));
        QCOMPARE(child<QComboBox>(dialog, "colourCombo")->currentText(), QString());
        QCOMPARE(child<QComboBox>(dialog, "sexList")->currentIndex(), -1);
        dialog->reject();
    }

    void aRangeCreatesEveryRingAndClosesTheDialog()
    {
        auto& messages = m_f->messages;
        QDialog* dialog = m_f->open("enterAnimalsButton", "EnterAnimalsDialog");
        child<QCheckBox>(dialog, "showSeriesBox")->setChecked(true);
        fillAnimal(dialog, QString());
        type(dialog, "rangePrefix", QStringLiteral("de-"));
        type(dialog, "rangeFrom", QStringLiteral("1"));
        type(dialog, "rangeTo", QStringLiteral("10"));
        click(dialog, "createRangeButton");
        QCOMPARE(messages.last(), QStringLiteral("Bitte die führenden Nullen eintragen."));
        type(dialog, "rangeFrom", QStringLiteral("01"));
        click(dialog, "createRangeButton");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(animals().size(), size_t(14));
        QCOMPARE(animals()[4].ringNumber, QStringLiteral("DE-01"));
        QCOMPARE(animals()[13].ringNumber, QStringLiteral("DE-10"));
        QCOMPARE(animals()[13].breed, QStringLiteral("Gloster"));
        QVERIFY(entries(child<QComboBox>(m_f->window(), "animalSelector")).contains("DE-10"));
    }

    void aChosenPictureIsCopiedUnchangedWhenTheAnimalIsSaved()
    {
        auto& messages = m_f->messages;
        auto& prompts = m_f->prompts;
        const QString source = m_f->home() + QStringLiteral("/foto.bmp");
        QImage(340, 120, QImage::Format_RGB32).save(source, "BMP");
        prompts.pictures << source;
        QDialog* dialog = m_f->open("enterAnimalsButton", "EnterAnimalsDialog");
        click(dialog, "choosePictureButton");
        QCOMPARE(child<QLabel>(dialog, "picturePreview")->pixmap().size(), QSize(170, 60));
        fillAnimal(dialog, QStringLiteral("de/12\\..x"));
        click(dialog, "saveButton");
        QVERIFY(messages.texts.isEmpty());
        const QString stored = m_f->stock().pictures().folder() + QStringLiteral("DE_12_..X.jpg");
        QCOMPARE(contents(stored), contents(source));
        QCOMPARE(QDir(m_f->stock().pictures().folder()).entryList(QDir::Files).size(), 1);
    }

    void anUnreadablePictureIsReportedAndNotStored()
    {
        auto& messages = m_f->messages;
        auto& prompts = m_f->prompts;
        const QString source = m_f->home() + QStringLiteral("/kaputt.jpg");
        QFile f(source);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\xFF\xD8\xFF\xE0 not really a picture");
        f.close();
        prompts.pictures << source;
        QDialog* dialog = m_f->open("enterAnimalsButton", "EnterAnimalsDialog");
        click(dialog, "choosePictureButton");
        QCOMPARE(messages.warnings.size(), 1);
        QVERIFY(messages.warnings[0].contains(QStringLiteral("kaputt.jpg")));
        fillAnimal(dialog, QStringLiteral("P-1"));
        click(dialog, "saveButton");
        QVERIFY(!QFile::exists(m_f->stock().pictures().pathOf(QStringLiteral("P-1"))));
    }

    void parentLinksShowStoreAndKeepTheFilter()
    {
        auto& messages = m_f->messages;
        QDialog* dialog = m_f->open("parentLinksButton", "ParentLinksDialog");
        auto* children = child<RingList>(dialog, "childList");
        auto* mothers = child<QComboBox>(dialog, "motherList");
        auto* fathers = child<QComboBox>(dialog, "fatherList");
        QCOMPARE(children->rings(), (QStringList {"CHILD", "DAD", "MUM", "SOLDDAD"}));

        child<QCheckBox>(dialog, "hideSoldBox")->setChecked(true);
        QVERIFY(children->selectRing(QStringLiteral("CHILD")));
        QCOMPARE(child<QLabel>(dialog, "storedFather")->text(), QStringLiteral("SOLDDAD"));
        QCOMPARE(child<QLabel>(dialog, "storedMother")->text(), QStringLiteral("keine"));
        QCOMPARE(fathers->currentText(), QStringLiteral("VERK. KANARIENVOGEL"));
        QCOMPARE(mothers->currentIndex(), -1);

        auto* filter = child<QComboBox>(dialog, "breedFilter");
        filter->setCurrentIndex(filter->findText(QStringLiteral("Gloster")));
        QCOMPARE(children->rings(), (QStringList {"CHILD", "MUM"}));
        QVERIFY(children->selectRing(QStringLiteral("CHILD")));
        mothers->setCurrentIndex(mothers->findText(QStringLiteral("MUM")));
        click(dialog, "saveParentsButton");
        QVERIFY(messages.questions.isEmpty());
        QCOMPARE(animals()[0].motherRing, QStringLiteral("MUM"));
        QCOMPARE(animals()[0].fatherRing, QStringLiteral("SOLDDAD"));
        QCOMPARE(dialog->findChild<QStatusBar*>()->currentMessage(),
                 QStringLiteral("Die Eltern wurden erfolgreich gespeichert."));
        QCOMPARE(filter->currentText(), QStringLiteral("Gloster"));
        QCOMPARE(children->rings(), (QStringList {"CHILD", "MUM"}));

        click(dialog, "saveParentsButton");
        QCOMPARE(messages.last(), QStringLiteral("Bitte das Jungtier auswählen."));
        dialog->reject();
    }

    void savingAsksBeforeDroppingAHiddenParent()
    {
        auto& messages = m_f->messages;
        m_f->change([](StockData& db) {
            db.animals[1].active = 0; // the stored mother was deleted
            db.animals[0].motherRing = QStringLiteral("MUM");
        });
        QDialog* dialog = m_f->open("parentLinksButton", "ParentLinksDialog");
        child<RingList>(dialog, "childList")->selectRing(QStringLiteral("CHILD"));
        QCOMPARE(child<QComboBox>(dialog, "motherList")->currentIndex(), -1);
        messages.answer(false);
        click(dialog, "saveParentsButton");
        QCOMPARE(messages.questions.size(), 1);
        QCOMPARE(animals()[0].motherRing, QStringLiteral("MUM"));
        messages.answer(true);
        child<RingList>(dialog, "childList")->selectRing(QStringLiteral("CHILD"));
        click(dialog, "saveParentsButton");
        QVERIFY(animals()[0].motherRing.isEmpty());
        dialog->reject();
    }

    void deletingMarksTheAnimalRemovesItsPictureAndKeepsTheFilter()
    {
        auto& messages = m_f->messages;
        QFile picture(m_f->stock().pictures().pathOf(QStringLiteral("MUM")));
        QVERIFY(picture.open(QIODevice::WriteOnly));
        picture.close();
        m_f->change([](StockData& db) {
            db.animals[1].fatherRing = QStringLiteral("DAD");
            db.animals[0].motherRing = QStringLiteral("MUM");
        });

        QDialog* dialog = m_f->open("deleteAnimalButton", "DeleteAnimalDialog");
        click(dialog, "deleteButton");
        QCOMPARE(messages.last(), QStringLiteral("Bitte erst den Kanarienvogel auswählen, dann auf löschen klicken."));
        auto* filter = child<QComboBox>(dialog, "breedFilter");
        filter->setCurrentIndex(filter->findText(QStringLiteral("Gloster")));
        auto* list = child<RingList>(dialog, "animalList");
        QCOMPARE(list->rings(), (QStringList {"CHILD", "MUM", "SOLDDAD"}));
        list->selectRing(QStringLiteral("MUM"));
        click(dialog, "deleteButton");
        QCOMPARE(animals()[1].active, quint8(0));
        QVERIFY(animals()[1].fatherRing.isEmpty());
        QCOMPARE(animals()[0].motherRing, QStringLiteral("MUM"));
        QVERIFY(!QFile::exists(m_f->stock().pictures().pathOf(QStringLiteral("MUM"))));
        QCOMPARE(filter->currentText(), QStringLiteral("Gloster"));
        QCOMPARE(list->rings(), (QStringList {"CHILD", "SOLDDAD"}));

        dialog->reject();
        QVERIFY(!entries(child<QComboBox>(m_f->window(), "animalSelector")).contains("MUM"));
    }

    // Breed is optional, so the breed lists hold an empty entry; an empty filter box still lists everyone.
    void anEmptyBreedFilterNeverFilters()
    {
        m_f->change([](StockData& db) { db.animals.push_back(testAnimal("NOBREED", Sex::Female)); });
        const QStringList all = {"CHILD", "DAD", "MUM", "NOBREED", "SOLDDAD"};
        QDialog* links = m_f->open("parentLinksButton", "ParentLinksDialog");
        QVERIFY(entries(child<QComboBox>(links, "breedFilter")).contains(QString()));
        QCOMPARE(child<RingList>(links, "childList")->rings(), all);
        click(links, "clearFilterButton");
        QCOMPARE(child<RingList>(links, "childList")->rings(), all);
        links->reject();

        QDialog* remove = m_f->open("deleteAnimalButton", "DeleteAnimalDialog");
        child<RingList>(remove, "animalList")->selectRing(QStringLiteral("DAD"));
        click(remove, "deleteButton");
        QCOMPARE(child<RingList>(remove, "animalList")->rings(), (QStringList {"CHILD", "MUM", "NOBREED", "SOLDDAD"}));
        remove->reject();

        QDialog* change = m_f->open("changeAnimalButton", "ChangeAnimalDialog");
        QCOMPARE(child<RingList>(change, "animalList")->count(), 4);
        change->reject();
        click(m_f->window(), "showStockListButton");
        QVERIFY(!child<StockListPanel>(m_f->window(), "StockListPanel")->breedFilter());
    }

    void breederDataAreStoredCutOrDiscarded()
    {
        click(m_f->window(), "breederDataButton");
        auto* dialog = child<QDialog>(m_f->window(), "BreederDataDialog");
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        auto* first = child<QLineEdit>(dialog, "firstName");
        first->setText(QString(50, QLatin1Char('x')));
        type(dialog, "phone", QStringLiteral("0221 123"));
        click(dialog, "saveButton");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(m_f->stock().data().breeder.firstName, QString(40, QLatin1Char('x')));
        QCOMPARE(m_f->stock().data().breeder.phone, QStringLiteral("0221 123"));

        click(m_f->window(), "breederDataButton");
        type(dialog, "phone", QStringLiteral("999"));
        dialog->close();
        QCOMPARE(m_f->stock().data().breeder.phone, QStringLiteral("0221 123"));
        click(m_f->window(), "breederDataButton");
        QCOMPARE(child<QLineEdit>(dialog, "phone")->text(), QStringLiteral("0221 123"));
    }

private:
    const AnimalTable& animals() const { return m_f->animals(); }

    std::unique_ptr<WindowFixture> m_f;
};

QTEST_MAIN(TestStockDialogs)
#include "TestStockDialogs.moc"
