// "Ausstellungsmeldung" as a breeder uses it: a show created, a collection of
// four and a single bird entered, the form printed after the warning, the
// points typed in after the show and made show results.
#include "core/records/RecordsDatabase.h"
#include "core/stock/StockDocument.h"
#include "reports/layouts/ShowLabelReport.h"
#include "support/SampleAnimals.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/preview/ReportPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>

class TestShowEntriesWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        StockData db;
        db.print = PrintSettings::defaults();
        db.breeder.firstName = QStringLiteral("Hans");
        db.breeder.lastName = QStringLiteral("Beispiel");
        db.animals = {testAnimal("DE-1", Sex::Male, 2025, "Gloster"), testAnimal("DE-2", Sex::Male, 2025, "Gloster"),
                      testAnimal("DE-3", Sex::Male, 2025, "Gloster"), testAnimal("DE-4", Sex::Female, 2025, "Gloster"),
                      testAnimal("DE-5", Sex::Female, 2025, "Gloster")};
        m_f = std::make_unique<WindowFixture>(std::move(db));
        child<QAction>(child<QMenu>(m_f->window(), "moreMenu"), "showEntriesAction")->trigger();
        m_window = child<QDialog>(m_f->window(), "ShowEntriesWindow");
        QVERIFY(m_window->isVisible());
    }

    void cleanup() { m_f.reset(); }

    void aCollectionIsEnteredPrintedAndJudged()
    {
        click(m_window, "enterButton");
        QCOMPARE(m_f->messages.last(), QStringLiteral("Bitte zuerst eine Ausstellung anlegen."));
        click(m_window, "newShowButton");
        auto* dialog = child<QDialog>(m_window, "ShowEventDialog");
        type(dialog, "showDate", QStringLiteral("12.12.2026"));
        dialog->accept();
        QCOMPARE(m_f->messages.last(), QStringLiteral("Bitte den Namen der Ausstellung eingeben."));
        type(dialog, "showName", QStringLiteral("Bundesschau"));
        choose(child<QComboBox>(dialog, "collectionRule"), QStringLiteral("nur Vögel eines Geschlechts"));
        dialog->accept();
        QCOMPARE(child<QComboBox>(m_window, "showChoice")->currentText(), QStringLiteral("Bundesschau am 12.12.2026"));

        child<QCheckBox>(m_window, "asCollection")->setChecked(true);
        for (const char* name : {"entryRing1", "entryRing2", "entryRing3", "entryRing4"})
            type(m_window, name, QStringLiteral("DE-%1").arg(name[9]));
        child<QComboBox>(m_window, "entryClass")->setCurrentText(QStringLiteral("Gloster Corona"));
        click(m_window, "enterButton");
        auto* table = child<QTableWidget>(m_window, "showEntries");
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->item(3, 3)->text(), QStringLiteral("Henne"));
        QCOMPARE(child<QLabel>(m_window, "entryWarnings")->text(),
                 QStringLiteral("Die Kollektion 1 mischt Hähne und Hennen."));

        // The class used before is offered for the next bird of the breed.
        child<QCheckBox>(m_window, "asCollection")->setChecked(false);
        type(m_window, "entryRing1", QStringLiteral("DE-5"));
        emit child<QLineEdit>(m_window, "entryRing1")->editingFinished();
        QCOMPARE(child<QComboBox>(m_window, "entryClass")->itemText(0), QStringLiteral("Gloster Corona"));
        click(m_window, "enterButton");
        QCOMPARE(table->rowCount(), 5);

        // The form: asked about the collection first; printed when the breeder says so.
        m_f->messages.answer(false);
        click(m_window, "printEntryForm");
        QVERIFY(!m_f->window()->findChild<ReportPreview*>());
        m_f->messages.answer(true);
        click(m_window, "printEntryForm");
        auto* preview = m_f->window()->findChild<ReportPreview*>();
        QVERIFY(preview);

        // After the show: cage numbers and points typed into the list, then taken over.
        table->item(0, 8)->setText(QStringLiteral("92,5"));
        table->item(1, 8)->setText(QStringLiteral("91"));
        table->item(2, 8)->setText(QStringLiteral("100,5"));
        QCOMPARE(m_f->messages.last(),
                 QStringLiteral("Punkte bitte als Zahl bis 100 eingeben, halbe Punkte mit Komma: 92,5."));
        table->item(0, 9)->setText(QStringLiteral("Gold"));
        table->item(0, 7)->setText(QStringLiteral("1017"));
        click(m_window, "transferResults");
        QCOMPARE(m_f->messages.last(), QStringLiteral("2 Ergebnisse wurden zu den Vögeln übernommen."));
        const std::vector<ShowResult> results = m_f->stock().records().showResults(QStringLiteral("DE-1"));
        QCOMPARE(results.size(), size_t(1));
        QCOMPARE(results[0].halfPoints, 185);
        QCOMPARE(results[0].award, QStringLiteral("Gold"));
        QCOMPARE(results[0].collection, std::optional<int>(1));
        QCOMPARE(results[0].date, QDate(2026, 12, 12));
        QCOMPARE(table->item(0, 10)->text(), QStringLiteral("ja"));
        QVERIFY(!(table->item(0, 8)->flags() & Qt::ItemIsEditable)); // a show result now, changed there

        // The labels: one per entry, the cage number large, never the ring.
        child<QAction>(m_window, "labels-3x8")->trigger();
        QVERIFY(m_f->window()->findChildren<ReportPreview*>().size() == 2);
        const ShowEvent show = m_f->stock().records().showEvents().front();
        const std::vector<ReportPage> sheets
            = showLabelPages(show, m_f->stock().records().entries(show.id), LabelSheet::ThreeByEight);
        QCOMPARE(sheets.size(), size_t(1));
        QStringList printed;
        for (const ReportElement& element : sheets[0].elements) {
            if (const auto* text = std::get_if<TextElement>(&element))
                printed << text->text();
        }
        QVERIFY(printed.contains(QStringLiteral("1017")));
        QCOMPARE(printed.count(QStringLiteral("Käfig-Nr.")), 5);
        QCOMPARE(printed.count(QStringLiteral("Kollektion 1")), 4);
        QVERIFY(!printed.join(QLatin1Char(' ')).contains(QStringLiteral("DE-")));

        const QString csv = m_f->home() + QStringLiteral("/meldungen.csv");
        m_f->prompts.fileNames = {csv};
        click(m_window, "saveEntriesCsv");
        QFile written(csv);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().contains("1;Gloster Corona;DE-1;Hahn;gelb;Gloster;1;1017;92,5;Gold"));

        // Taken back: the results go, the entries stay with their points.
        QCOMPARE(m_f->stock().undo(), QString());
        QVERIFY(m_f->stock().records().showResults(QStringLiteral("DE-1")).empty());
        QCOMPARE(table->item(0, 8)->text(), QStringLiteral("92,5"));
    }

private:
    std::unique_ptr<WindowFixture> m_f;
    QDialog* m_window = nullptr;
};

QTEST_MAIN(TestShowEntriesWindow)
#include "TestShowEntriesWindow.moc"
