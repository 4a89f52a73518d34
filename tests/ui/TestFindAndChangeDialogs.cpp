// Searching, changing animals and finding descendants, clicked through as a breeder would.
#include "core/pictures/PictureStore.h"
#include "core/stock/StockDocument.h"
#include "support/FileHelpers.h"
#include "support/SampleAnimals.h"
#include "support/WindowFixture.h"
#include "ui/common/RingList.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/preview/ReportPreview.h"
#include "ui/stock/ChangeAnimalDialog.h"
#include "ui/stock/DescendantsDialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

Animal linked(const QString& ring, Sex sex, int year, const QString& father, const QString& mother)
{
    Animal a = testAnimal(ring, sex, year, QStringLiteral("Gloster"));
    a.fatherRing = father;
    a.motherRing = mother;
    return a;
}

} // namespace

class TestFindAndChangeDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        StockData db;
        db.print = PrintSettings::defaults();
        // Grandparents, their son and daughter, and two grandchildren; one deleted animal.
        db.animals = {linked("DE-2010-01", Sex::Male, 2010, "", ""),
                      linked("DE-2010-02", Sex::Female, 2010, "", ""),
                      linked("DE-2012-11", Sex::Male, 2012, "DE-2010-01", "DE-2010-02"),
                      linked("DE-2012-12", Sex::Female, 2012, "DE-2010-01", "DE-2010-02"),
                      linked("DE-2014-21", Sex::Male, 2014, "DE-2012-11", "DE-2012-12"),
                      linked("AT-2014-22", Sex::Female, 2014, "DE-2012-11", "X"),
                      linked("GONE", Sex::Female, 2011, "", "")};
        db.animals[6].active = 0;
        db.animals[5].breed = QStringLiteral("Lizard");
        m_f = std::make_unique<WindowFixture>(std::move(db));
    }

    void cleanup() { m_f.reset(); }

    void openingTheChangeDialogSortsTheStockAndListsItAlphabetically()
    {
        QDialog* change = openChangeDialog();
        QVERIFY(change->isVisible());
        QCOMPARE(change->windowTitle(), QStringLiteral("Kanarienvögel ändern"));
        QCOMPARE(animals().size(), size_t(6)); // the deleted record is gone for good
        QCOMPARE(animals().front().birthYear, 2014);
        QCOMPARE(child<RingList>(change, "animalList")->rings(),
                 (QStringList {"AT-2014-22", "DE-2010-01", "DE-2010-02", "DE-2012-11", "DE-2012-12", "DE-2014-21"}));
        QCOMPARE(change->findChild<QStatusBar*>()->currentMessage(),
                 QStringLiteral("den Kanarienvogel anklicken um mit dem Ändern zu beginnen."));

        child<QComboBox>(change, "sortChoice")->setCurrentIndex(1);
        emit child<QComboBox>(change, "sortChoice")->activated(1);
        QCOMPARE(child<RingList>(change, "animalList")->rings().first(), animals().front().ringNumber);
        change->reject();
    }

    void savingKeepsThePlaceAndSoldAnimalsLeaveTheSelector()
    {
        auto& messages = m_f->messages;
        QDialog* change = openChangeDialog();
        auto* list = child<RingList>(change, "animalList");
        click(change, "saveButton");
        QCOMPARE(messages.last(), QStringLiteral("Bitte zuerst den Kanarienvogel in der Liste anklicken."));

        QVERIFY(list->selectRing(QStringLiteral("DE-2012-11")));
        QCOMPARE(child<QLineEdit>(change, "ringEdit")->text(), QStringLiteral("DE-2012-11"));
        QCOMPARE(child<QComboBox>(change, "sexList")->currentIndex(), 1);
        type(change, "colourCombo", QStringLiteral("rotorange"));
        child<QCheckBox>(change, "soldBox")->setChecked(true);
        click(change, "saveButton");
        QCOMPARE(list->selectedRing(), std::optional<QString>(QStringLiteral("DE-2012-11")));
        const Animal* saved = nullptr;
        for (const Animal& a : animals())
            if (a.ringNumber == QLatin1String("DE-2012-11"))
                saved = &a;
        QVERIFY(saved);
        QCOMPARE(saved->colour, QStringLiteral("rotorange"));
        QCOMPARE(saved->sold, quint8(1));
        QVERIFY(!entries(child<QComboBox>(m_f->window(), "animalSelector")).contains("DE-2012-11"));
        QVERIFY(list->rings().contains("DE-2012-11")); // still listed here

        type(change, "ringEdit", QStringLiteral("DE-2012-12"));
        click(change, "saveButton");
        QCOMPARE(messages.last(), QStringLiteral("Diese Ringnummer existiert schon."));
        change->reject();
    }

    // Ctrl+Z in the dialog takes its save back and shows the bird as it was; in a text field it edits the text.
    void theChangeDialogTakesItsSaveBack()
    {
        QDialog* change = openChangeDialog();
        auto* list = child<RingList>(change, "animalList");
        auto* colour = child<QComboBox>(change, "colourCombo");
        choose(child<QComboBox>(change, "breedFilter"), QStringLiteral("Gloster"));
        QVERIFY(list->selectRing(QStringLiteral("DE-2012-12")));
        const QString before = colour->currentText();
        type(change, "colourCombo", QStringLiteral("grün"));
        click(change, "saveButton");
        change->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(change));

        colour->setFocus();
        QTest::keyClick(colour->lineEdit(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_f->stock().lastActive(QStringLiteral("DE-2012-12"))->colour, QStringLiteral("grün"));

        list->setFocus();
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_f->stock().lastActive(QStringLiteral("DE-2012-12"))->colour, before);
        QCOMPARE(colour->currentText(), before);
        QCOMPARE(list->selectedRing(), std::optional<QString>(QStringLiteral("DE-2012-12")));
        QCOMPARE(child<QComboBox>(change, "breedFilter")->currentText(), QStringLiteral("Gloster"));
        QTest::keyClick(list, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(colour->currentText(), QStringLiteral("grün"));
        change->reject();
    }

    // After a save, stored or refused, the same animal is shown under the same breed filter.
    void aSaveKeepsTheAnimalAndTheFilter()
    {
        auto& messages = m_f->messages;
        QDialog* change = openChangeDialog();
        auto* list = child<RingList>(change, "animalList");
        choose(child<QComboBox>(change, "breedFilter"), QStringLiteral("Gloster"));
        QVERIFY(list->selectRing(QStringLiteral("DE-2012-12")));
        type(change, "colourCombo", QStringLiteral("grün"));
        click(change, "saveButton");
        QCOMPARE(list->selectedRing(), std::optional<QString>(QStringLiteral("DE-2012-12")));
        QCOMPARE(child<QComboBox>(change, "colourCombo")->currentText(), QStringLiteral("grün"));
        QCOMPARE(child<QComboBox>(change, "breedFilter")->currentText(), QStringLiteral("Gloster"));

        m_f->window()->showPedigreeOf(QStringLiteral("AT-2014-22"));
        type(change, "ringEdit", QStringLiteral("DE-2014-21"));
        click(change, "saveButton");
        QCOMPARE(messages.last(), QStringLiteral("Diese Ringnummer existiert schon."));
        QCOMPARE(list->selectedRing(), std::optional<QString>(QStringLiteral("DE-2012-12")));
        QCOMPARE(child<QLineEdit>(change, "ringEdit")->text(), QStringLiteral("DE-2012-12"));
        QCOMPARE(child<QComboBox>(change, "breedFilter")->currentText(), QStringLiteral("Gloster"));
        QVERIFY(!m_f->window()->selectedAnimalRing()); // the main window refreshed too
        change->reject();
    }

    // The search lists deleted animals; saving one changes nothing and renames nothing.
    void aDeletedAnimalFromTheSearchIsNotChanged()
    {
        auto& messages = m_f->messages;
        put(m_f->stock().pictures().pathOf(QStringLiteral("GONE")), "bild");
        click(m_f->window(), "searchButton");
        QDialog* search = dialog("SearchDialog");
        type(search, "ringCriterion", QStringLiteral("GONE"));
        child<RingList>(search, "resultList")->selectRing(QStringLiteral("GONE"));
        click(search, "showAllButton");
        QDialog* change = dialog("ChangeAnimalDialog");
        type(change, "ringEdit", QStringLiteral("NEU-1"));
        click(change, "saveButton");
        QVERIFY(messages.last().contains(QStringLiteral("nichts geändert")));
        QVERIFY(messages.questions.isEmpty());
        QVERIFY(m_f->stock().pictures().exists(QStringLiteral("GONE")));
        QVERIFY(!m_f->stock().pictures().exists(QStringLiteral("NEU-1")));
        change->reject();

        // Opened again with nothing selected in the search, nothing is selected here either.
        child<RingList>(search, "resultList")->setRings({QStringLiteral("GONE")});
        click(search, "showAllButton");
        QVERIFY(!child<RingList>(change, "animalList")->selectedRing());
        change->reject();
        search->reject();
    }

    void picturesThatCannotBeRenamedOrReadSaySo()
    {
        auto& messages = m_f->messages;
        const PictureStore& pictures = m_f->stock().pictures();
        put(pictures.pathOf(QStringLiteral("DE-2012-11")), "alt");
        put(pictures.pathOf(QStringLiteral("DE-2099-99")), "fremd");
        QDialog* change = openChangeDialog();
        child<RingList>(change, "animalList")->selectRing(QStringLiteral("DE-2012-11"));
        QCOMPARE(child<QLabel>(change, "picturePreview")->text(), QStringLiteral("Bild kann nicht angezeigt werden"));
        type(change, "ringEdit", QStringLiteral("DE-2099-99"));
        click(change, "saveButton");
        QCOMPARE(messages.warnings.size(), 1);
        QVERIFY(messages.warnings[0].contains(QStringLiteral("nicht umbenannt")));
        QCOMPARE(contents(pictures.pathOf(QStringLiteral("DE-2012-11"))), QByteArray("alt"));
        QCOMPARE(contents(pictures.pathOf(QStringLiteral("DE-2099-99"))), QByteArray("fremd"));
        change->reject();
    }

    void aRingChangeCarriesThePictureAndAsksAboutLinks()
    {
        auto& messages = m_f->messages;
        QFile picture(m_f->stock().pictures().pathOf(QStringLiteral("DE-2012-11")));
        QVERIFY(picture.open(QIODevice::WriteOnly));
        picture.write("bild");
        picture.close();
        QDialog* change = openChangeDialog();
        child<RingList>(change, "animalList")->selectRing(QStringLiteral("DE-2012-11"));
        type(change, "ringEdit", QStringLiteral("de-2012-99"));
        messages.answer(true);
        click(change, "saveButton");
        QCOMPARE(messages.questions.size(), 1);
        QVERIFY(messages.questions[0].contains(QStringLiteral("2 Verweise")));
        QCOMPARE(contents(m_f->stock().pictures().pathOf(QStringLiteral("DE-2012-99"))), QByteArray("bild"));
        int children = 0;
        for (const Animal& a : animals())
            children += a.fatherRing == QLatin1String("DE-2012-99");
        QCOMPARE(children, 2);
        change->reject();
    }

    void aBitmapIsStoredUnchangedAndStillShows()
    {
        auto& messages = m_f->messages;
        auto& prompts = m_f->prompts;
        const QString bitmap = m_f->home() + QStringLiteral("/vogel.bmp");
        QImage(200, 100, QImage::Format_RGB32).save(bitmap, "BMP");
        prompts.pictures << bitmap;
        QDialog* change = openChangeDialog();
        click(change, "deletePictureButton");
        QCOMPARE(messages.last(), QStringLiteral("Bitte zuerst den Kanarienvogel in der Liste anklicken."));
        auto* list = child<RingList>(change, "animalList");
        list->selectRing(QStringLiteral("DE-2014-21"));
        click(change, "choosePictureButton");
        QCOMPARE(messages.last(), QStringLiteral("Bild wurde gespeichert."));
        const QString stored = m_f->stock().pictures().pathOf(QStringLiteral("DE-2014-21"));
        QCOMPARE(contents(stored), contents(bitmap));
        QCOMPARE(child<QLabel>(change, "picturePreview")->pixmap().size(), QSize(170, 85));

        click(change, "deletePictureButton");
        QVERIFY(!QFile::exists(stored));
        QVERIFY(child<QLabel>(change, "picturePreview")->pixmap().isNull());
        change->reject();
    }

    void searchFindsLiveAndOpensTheFoundAnimals()
    {
        click(m_f->window(), "searchButton");
        QDialog* search = dialog("SearchDialog");
        auto* results = child<RingList>(search, "resultList");
        QCOMPARE(results->count(), 7); // the deleted animal too
        type(search, "ringCriterion", QStringLiteral("2012"));
        QCOMPARE(results->rings(), (QStringList {"DE-2012-11", "DE-2012-12"}));
        QCOMPARE(child<QLabel>(search, "countLabel")->text(), QStringLiteral("2 Kanarienvögel gefunden..."));
        child<QComboBox>(search, "sexCriterion")->setCurrentIndex(2);
        QCOMPARE(results->rings(), QStringList {"DE-2012-12"});
        click(search, "clearSexButton");
        QCOMPARE(results->count(), 2);
        child<QCheckBox>(search, "ringCriterionExact")->setChecked(true);
        QCOMPARE(results->count(), 0);
        child<QCheckBox>(search, "ringCriterionExact")->setChecked(false);

        results->selectRing(QStringLiteral("DE-2012-12"));
        click(search, "showAllButton");
        auto* change = child<ChangeAnimalDialog>(m_f->window(), "ChangeAnimalDialog");
        QVERIFY(change->isVisible() && change->searchMode());
        QCOMPARE(change->windowTitle(), QStringLiteral("Gefundene Kanarienvögel (Kanarienvögel ändern Modus)"));
        QCOMPARE(change->animalList()->rings(), (QStringList {"DE-2012-11", "DE-2012-12"}));
        QCOMPARE(change->animalList()->selectedRing(), std::optional<QString>(QStringLiteral("DE-2012-12")));
        QCOMPARE(child<QLineEdit>(change, "ringEdit")->text(), QStringLiteral("DE-2012-12"));

        auto* filter = child<QComboBox>(change, "breedFilter");
        filter->setCurrentIndex(filter->findText(QStringLiteral("Gloster")));
        QCOMPARE(change->animalList()->rings(), (QStringList {"DE-2012-11", "DE-2012-12"}));
        filter->setCurrentIndex(filter->findText(QStringLiteral("Lizard")));
        QVERIFY(change->animalList()->rings().isEmpty()); // Lizard was not found by the search
        change->reject();
        search->reject();
    }

    void aDoubleClickShowsTheCertificate()
    {
        click(m_f->window(), "searchButton");
        auto* results = child<RingList>(dialog("SearchDialog"), "resultList");
        results->selectRing(QStringLiteral("DE-2014-21"));
        // A single click, or the activation some desktops give it, only selects.
        emit results->activated(results->currentIndex());
        QVERIFY(!dialog("SearchDialog")->findChild<ReportPreview*>());
        emit results->doubleClicked(results->currentIndex());
        QCOMPARE(m_f->window()->selectedAnimalRing(), std::optional<QString>(QStringLiteral("DE-2014-21")));
        QVERIFY(dialog("SearchDialog")->findChild<ReportPreview*>());
        QVERIFY(dialog("SearchDialog")->isVisible());
    }

    void descendantsOfAGrandparent()
    {
        auto& messages = m_f->messages;
        click(m_f->window(), "descendantsButton");
        auto* d = child<DescendantsDialog>(m_f->window(), "DescendantsDialog");
        QVERIFY(!child(d, "resultTabs")->isVisible());
        click(d, "searchButton");
        QCOMPARE(messages.last(), QStringLiteral("Bitte zuerst den Kanarienvogel in der Liste anklicken."));
        auto* selector = child<QComboBox>(d, "animalSelector");
        QVERIFY(!entries(selector).contains("GONE"));
        selector->setCurrentIndex(selector->findText(QStringLiteral("DE-2010-01")));
        emit selector->activated(selector->currentIndex());
        QVERIFY(child(d, "resultTabs")->isVisible());
        QCOMPARE(d->generationList(1)->rings(), (QStringList {"DE-2012-11", "DE-2012-12"}));
        QCOMPARE(d->generationList(2)->rings(), (QStringList {"DE-2014-21", "AT-2014-22"}));
        QVERIFY(d->generationList(3)->rings().isEmpty());
        d->generationList(2)->selectRing(QStringLiteral("AT-2014-22"));
        QCOMPARE(child<QLabel>(d, "infoRing")->text(), QStringLiteral("AT-2014-22"));
        QCOMPARE(child<QLabel>(d, "infoBreeder")->text(), QStringLiteral("Züchter: Müller"));
        QCOMPARE(child<QLabel>(d, "infoColour")->text(), QStringLiteral("gelb"));
        d->reject();
    }

    void theChangeDialogOpensTheDescendantsPrefilled()
    {
        QDialog* change = openChangeDialog();
        child<RingList>(change, "animalList")->selectRing(QStringLiteral("DE-2012-11"));
        click(change, "descendantsButton");
        auto* d = child<DescendantsDialog>(m_f->window(), "DescendantsDialog");
        QVERIFY(d->isVisible());
        QCOMPARE(child<QComboBox>(d, "animalSelector")->currentText(), QStringLiteral("DE-2012-11"));
        // Table order, and opening the change dialog sorted the stock newest first.
        QCOMPARE(d->generationList(1)->rings(), (QStringList {"AT-2014-22", "DE-2014-21"}));
        d->reject();
        change->reject();
    }

private:
    const AnimalTable& animals() const { return m_f->animals(); }
    QDialog* dialog(const char* name) { return child<QDialog>(m_f->window(), name); }
    QDialog* openChangeDialog() { return m_f->open("changeAnimalButton", "ChangeAnimalDialog"); }

    std::unique_ptr<WindowFixture> m_f;
};

QTEST_MAIN(TestFindAndChangeDialogs)
#include "TestFindAndChangeDialogs.moc"
