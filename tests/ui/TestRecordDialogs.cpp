// Whereabouts and show results, entered in the change dialog and seen where a breeder looks for them.
#include "core/model/Dates.h"
#include "core/stock/PreferencesStore.h"
#include "core/stock/StockDocument.h"
#include "support/SampleAnimals.h"
#include "support/WindowFixture.h"
#include "ui/common/RingList.h"
#include "ui/mainwindow/CertificateCommands.h"
#include "ui/mainwindow/MainWindow.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

class TestRecordDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        StockData db;
        db.print = PrintSettings::defaults();
        db.animals = {testAnimal("DE-1", Sex::Male, 2024, "Gloster"), testAnimal("DE-2", Sex::Female, 2024, "Gloster"),
                      testAnimal("DE-3", Sex::Male, 2024, "Gloster"), testAnimal("DE-4", Sex::Female, 2024, "Gloster")};
        m_f = std::make_unique<WindowFixture>(std::move(db));
        m_dialog = m_f->open("changeAnimalButton", "ChangeAnimalDialog");
    }

    void cleanup() { m_f.reset(); }

    // A bird sold through the change dialog: marked, its buyer kept and offered on the certificate;
    // unticking the mark brings it back into the stock.
    void aSaleIsEnteredAndTheBuyerOffered()
    {
        select("DE-1");
        auto* status = child<QComboBox>(m_dialog, "whereaboutsStatus");
        auto* sold = child<QCheckBox>(m_dialog, "soldBox");
        status->setCurrentIndex(int(WhereaboutsStatus::Sold));
        QVERIFY(sold->isChecked()); // a bird gone in any way is marked
        type(m_dialog, "whereaboutsDate", QStringLiteral("01.12.2026"));
        type(m_dialog, "buyerName", QStringLiteral("Hans Käufer"));
        child<QPlainTextEdit>(m_dialog, "buyerAddress")->setPlainText(QStringLiteral("Am Markt 1\n12345 Musterstadt"));
        type(m_dialog, "salePrice", QStringLiteral("45,5"));
        click(m_dialog, "saveButton");
        const std::optional<Whereabouts> w = m_f->stock().records().whereabouts(QStringLiteral("DE-1"));
        QVERIFY(w);
        QCOMPARE(w->priceCents, std::optional<qint64>(4550));
        QCOMPARE(m_f->stock().lastActive(QStringLiteral("DE-1"))->sold, quint8(1));

        type(m_dialog, "salePrice", QStringLiteral("viel"));
        click(m_dialog, "saveButton");
        QCOMPARE(m_f->messages.last(),
                 QStringLiteral("Ungültiger Preis! Bitte den Betrag in Euro angeben, etwa 45,50."));
        m_dialog->reject();

        // The certificate's top-right box offers the buyer of the chosen bird.
        auto* selector = child<QComboBox>(m_f->window(), "animalSelector");
        m_f->window()->refresh();
        QVERIFY(!entries(selector).contains("DE-1")); // sold birds leave the selector, as the mark says
        m_dialog = m_f->open("changeAnimalButton", "ChangeAnimalDialog");
        select("DE-1");
        child<QCheckBox>(m_dialog, "soldBox")->setChecked(false);
        QCOMPARE(child<QComboBox>(m_dialog, "whereaboutsStatus")->currentIndex(), int(WhereaboutsStatus::InStock));
        click(m_dialog, "saveButton");
        QCOMPARE(m_f->stock().records().whereabouts(QStringLiteral("DE-1"))->status, WhereaboutsStatus::InStock);
        QCOMPARE(m_f->stock().lastActive(QStringLiteral("DE-1"))->sold, quint8(0));
    }

    void theBuyerIsOfferedOnTheCertificate()
    {
        select("DE-2");
        child<QComboBox>(m_dialog, "whereaboutsStatus")->setCurrentIndex(int(WhereaboutsStatus::GivenAway));
        type(m_dialog, "buyerName", QStringLiteral("Verein Köln"));
        child<QCheckBox>(m_dialog, "soldBox")->setChecked(true);
        click(m_dialog, "saveButton");
        m_dialog->reject();
        // A bird given away still gets a certificate when chosen by hand (the selector lists unsold ones).
        auto* buyer = child<QPlainTextEdit>(m_f->window(), "buyerText");
        m_f->change([](StockData& db) { // listed again, whereabouts kept
            for (Animal& a : db.animals)
                a.sold = 0;
        });
        choose(child<QComboBox>(m_f->window(), "animalSelector"), QStringLiteral("DE-2"));
        QCOMPARE(buyer->toPlainText(), QStringLiteral("Verein Köln"));
        choose(child<QComboBox>(m_f->window(), "animalSelector"), QStringLiteral("DE-3"));
        QVERIFY(buyer->toPlainText().isEmpty()); // an offer follows the bird
        buyer->setPlainText(QStringLiteral("getippt"));
        choose(child<QComboBox>(m_f->window(), "animalSelector"), QStringLiteral("DE-2"));
        QCOMPARE(buyer->toPlainText(), QStringLiteral("getippt")); // typed text is never replaced
    }

    // Three results of one bird and a collection of four birds at one show, with their sums.
    void showResultsAndACollection()
    {
        const struct
        {
            const char* ring;
            const char* date;
            const char* show;
            double points;
            int collection;
        } entries[] = {
            {"DE-1", "14.11.2026", "Bundesschau", 92.5, 1}, {"DE-2", "14.11.2026", "Bundesschau", 91, 1},
            {"DE-3", "14.11.2026", "Bundesschau", 90.5, 1}, {"DE-4", "14.11.2026", "Bundesschau", 90, 1},
            {"DE-1", "04.10.2026", "Kreisschau", 91.5, 0},  {"DE-1", "20.12.2025", "Landesschau", 89, 0},
        };
        for (const auto& e : entries) {
            select(e.ring);
            child<QTabWidget>(m_dialog, "animalTabs")->setCurrentIndex(2);
            click(m_dialog, "addShowResultButton");
            auto* entry = child<QDialog>(m_dialog, "ShowResultDialog");
            QVERIFY(entry->isVisible());
            type(entry, "showDate", QString::fromLatin1(e.date));
            type(entry, "showName", QString::fromLatin1(e.show));
            child<QDoubleSpinBox>(entry, "showPoints")->setValue(e.points);
            child<QSpinBox>(entry, "showCollection")->setValue(e.collection);
            click(entry, "okButton");
            QVERIFY(!entry->isVisible());
            click(m_dialog, "saveButton"); // stored with the bird's other fields, as one step
        }
        QCOMPARE(m_f->stock().history().undoText(), QStringLiteral("Kanarienvogel DE-1 geändert"));
        select("DE-1");
        auto* table = child<QTableWidget>(m_dialog, "showResultsTable");
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(2, 3)->text(), QStringLiteral("92,5"));
        QCOMPARE(table->item(2, 5)->text(), QStringLiteral("Nr. 1: 364 Punkte aus 4"));
        QVERIFY(child<QLabel>(m_dialog, "bestShowResult")->text().startsWith(QStringLiteral("Bestes Ergebnis: 92,5")));

        // Changed through its dialog, removed through its button.
        table->selectRow(0);
        click(m_dialog, "changeShowResultButton");
        auto* entry = child<QDialog>(m_dialog, "ShowResultDialog");
        child<QDoubleSpinBox>(entry, "showPoints")->setValue(89.5);
        click(entry, "okButton");
        QCOMPARE(table->item(0, 3)->text(), QStringLiteral("89,5"));
        table->selectRow(0);
        click(m_dialog, "removeShowResultButton");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(m_f->stock().records().showResults(QStringLiteral("DE-1")).size(), size_t(3)); // not yet stored
        select("DE-2");
        select("DE-1"); // another bird chosen: what was not stored is gone, as in every field
        QCOMPARE(table->rowCount(), 3);
        table->selectRow(0);
        click(m_dialog, "removeShowResultButton");
        click(m_dialog, "saveButton");
        QCOMPARE(m_f->stock().records().showResults(QStringLiteral("DE-1")).size(), size_t(2));
        QVERIFY(m_f->messages.texts.isEmpty());
        m_dialog->reject();

        // Per show: the collection's sum beside its entries.
        auto* menu = child<QMenu>(m_f->window(), "moreMenu");
        child<QAction>(menu, "showsAction")->trigger();
        auto* shows = child<QDialog>(m_f->window(), "ShowsWindow");
        choose(child<QComboBox>(shows, "showChoice"), QStringLiteral("Bundesschau"));
        QCOMPARE(child<QTableWidget>(shows, "showEntries")->rowCount(), 4);
        QCOMPARE(child<QLabel>(shows, "collectionTotals")->text(),
                 QStringLiteral("Kollektion 1 (14.11.2026): 4 Kanarienvögel, zusammen 364 Punkte"));

        // Saved for a spreadsheet where the breeder chooses; a place that cannot be written is said so.
        const QString csv = m_f->home() + QStringLiteral("/schauen.csv");
        m_f->prompts.fileNames = {csv, m_f->home() + QStringLiteral("/fehlt/schauen.csv")};
        click(shows, "saveShowsCsvButton");
        QCOMPARE(m_f->messages.last(),
                 QStringLiteral("Die Datei %1 wurde erstellt.").arg(QDir::toNativeSeparators(csv)));
        QFile written(csv);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().count("Bundesschau"), 4);
        click(shows, "saveShowsCsvButton");
        QVERIFY(m_f->messages.warnings.last().contains(QStringLiteral("konnte nicht geschrieben werden")));

        // And the best one on the record sheet, when the breeder wants it there.
        CertificatePreferences certificate = m_f->preferences().certificate();
        certificate.bestShowResultOnRecordSheet = true;
        m_f->preferences().setCertificate(certificate);
        choose(child<QComboBox>(m_f->window(), "animalSelector"), QStringLiteral("DE-1"));
        click(m_f->window(), "recordSheetButton");
        QCOMPARE(m_f->window()->certificateCommands().recordSheet().page().text(QStringLiteral("bestResult"))->lines,
                 QStringList {"Bestes Ausstellungsergebnis: 92,5 Punkte, Bundesschau, 14.11.2026"});
    }

    // A place typed in the change dialog, then two birds chosen in the list of places and moved in one step.
    void placesOneByOneAndManyAtOnce()
    {
        select("DE-1");
        auto* place = child<QComboBox>(m_dialog, "location");
        place->setCurrentText(QStringLiteral("Voliere 1"));
        QCOMPARE(child<QLineEdit>(m_dialog, "locationSince")->text(), Dates::local(QDate::currentDate()));
        type(m_dialog, "locationSince", QStringLiteral("31.02.2026"));
        click(m_dialog, "saveButton");
        QCOMPARE(m_f->messages.last(), QStringLiteral("Ungültiges Datum beim Standort!"));
        QVERIFY(!m_f->stock().records().currentLocation(QStringLiteral("DE-1")));
        type(m_dialog, "locationSince", QStringLiteral("01.03.2026"));
        click(m_dialog, "saveButton");
        QCOMPARE(m_f->stock().records().currentLocation(QStringLiteral("DE-1"))->date, QDate(2026, 3, 1));
        select("DE-2");
        QVERIFY(entries(child<QComboBox>(m_dialog, "location")).contains("Voliere 1")); // places in use offered
        m_dialog->reject();

        child<QAction>(child<QMenu>(m_f->window(), "moreMenu"), "locationsAction")->trigger();
        auto* window = child<QDialog>(m_f->window(), "LocationsWindow");
        auto* table = child<QTableView>(window, "locatedBirds");
        QCOMPARE(table->model()->rowCount(), 4);
        QCOMPARE(table->model()->index(0, 2).data().toString(), QStringLiteral("DE-1")); // placed birds first
        click(window, "moveButton");
        QCOMPARE(m_f->messages.last(), QStringLiteral("Bitte zuerst die Vögel in der Liste auswählen."));
        table->selectionModel()->select(table->model()->index(1, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        table->selectionModel()->select(table->model()->index(3, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        child<QComboBox>(window, "moveTarget")->setCurrentText(QStringLiteral("Hecke 5"));
        type(window, "moveDate", QStringLiteral("01.12.2026"));
        click(window, "moveButton");
        for (const QString& ring : {QStringLiteral("DE-2"), QStringLiteral("DE-4")})
            QCOMPARE(m_f->stock().records().currentLocation(ring)->location, QStringLiteral("Hecke 5"));
        QCOMPARE(m_f->stock().history().undoText(), QStringLiteral("2 Kanarienvögel nach Hecke 5 umgesetzt"));
        choose(child<QComboBox>(window, "locationFilter"), QStringLiteral("Hecke 5"));
        QCOMPARE(table->model()->rowCount(), 2);

        const QString csv = m_f->home() + QStringLiteral("/standorte.csv");
        m_f->prompts.fileNames = {csv};
        click(window, "saveLocationsCsv");
        QFile written(csv);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().count("Hecke 5;01.12.2026;DE-"), 2);

        // Taken back, the list follows: the filter's place is gone, all birds are shown.
        QCOMPARE(m_f->stock().undo(), QString());
        QCOMPARE(table->model()->rowCount(), 4);
        QVERIFY(!m_f->stock().records().currentLocation(QStringLiteral("DE-2")));
    }

private:
    void select(const char* ring)
    {
        QVERIFY(child<RingList>(m_dialog, "animalList")->selectRing(QString::fromLatin1(ring)));
    }

    std::unique_ptr<WindowFixture> m_f;
    QDialog* m_dialog = nullptr;
};

QTEST_MAIN(TestRecordDialogs)
#include "TestRecordDialogs.moc"
