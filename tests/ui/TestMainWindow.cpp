#include "app/Startup.h"
#include "core/files/DataFolder.h"
#include "support/GuiHelpers.h"
#include "support/ScriptedMessages.h"
#include "support/ScriptedPrompts.h"
#include "ui/mainwindow/MainWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { configureApplication(); }

    void init()
    {
        m_home = std::make_unique<TestHome>();
        Database db;
        db.print = PrintSettings::defaults();
        db.animals = {testAnimal("b-2", Sex::Male, 2012, "Timbrado"), testAnimal("A-1", Sex::Female, 2013, "timbrado"),
                      testAnimal("SOLD", Sex::Male, 2010, ""), testAnimal("GONE", Sex::Female, 2010, "Gloster"),
                      testAnimal("B-2", Sex::Male, 2014)};
        db.animals[2].sold = 1;
        db.animals[3].active = 0;
        db.pairs.push_back({QStringLiteral("DE 12"), QStringLiteral("DE 17"), 1, 41703.0, {}});
        m_window = openMainWindow(std::move(db));
    }

    void cleanup() { m_window.reset(); }

    void refreshFillsTheSelectorsAndTheBreedFilter()
    {
        auto* selector = child<QComboBox>(m_window.get(), "animalSelector");
        QCOMPARE(entries(selector), (QStringList {"A-1", "b-2", "B-2"}));
        QCOMPARE(selector->currentIndex(), -1);
        QVERIFY(!m_window->selectedAnimalRing());
        QCOMPARE(entries(child<QComboBox>(m_window.get(), "pairSelector")),
                 QStringList {QStringLiteral("DE 12 - DE 17 vom 05.03.14")});

        const QStringList breeds = entries(child<QComboBox>(m_window.get(), "breedFilter"));
        QCOMPARE(breeds.size(), 3); // "", Timbrado, timbrado; not the deleted animal's Gloster
        QVERIFY(breeds.contains(QString()) && breeds.contains("Timbrado") && breeds.contains("timbrado"));
    }

    void breedingControlsFollowTheSetting()
    {
        QVERIFY(!child(m_window.get(), "breedingButton")->isVisible());
        QVERIFY(!child(m_window.get(), "pairGroup")->isVisible());
        m_window->database().print.showBreeding = 1;
        m_window->refresh();
        QVERIFY(child(m_window.get(), "breedingButton")->isVisible());
        QVERIFY(child(m_window.get(), "pairGroup")->isVisible());
    }

    void showPedigreeOfSelectsTheRing()
    {
        ScriptedMessages messages;
        m_window->showPedigreeOf(QStringLiteral("B-2"));
        QCOMPARE(m_window->selectedAnimalRing(), std::optional<QString>(QStringLiteral("B-2")));
        m_window->showPedigreeOf(QStringLiteral("unknown"));
        QCOMPARE(m_window->selectedAnimalRing(), std::optional<QString>(QStringLiteral("B-2")));
    }

    void altF12OpensTheDataFolder()
    {
        ScriptedPrompts prompts;
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window.get(), Qt::Key_F12, Qt::AltModifier);
        QCOMPARE(prompts.openedFolders, QStringList {DataFolder::path()});
    }

    void stockListPanelCoversTheWindowUntilCancelled()
    {
        click(m_window.get(), "showStockListButton");
        QVERIFY(child(m_window.get(), "StockListPanel")->isVisible());
        QVERIFY(!child(m_window.get(), "closeButton")->isVisible());
        QCOMPARE(child<QComboBox>(m_window.get(), "stockListOutput")->currentText(),
                 QStringLiteral("Liste zum Ausdrucken generieren"));
        click(m_window.get(), "cancelStockList");
        QVERIFY(!child(m_window.get(), "StockListPanel")->isVisible());
        QVERIFY(child(m_window.get(), "closeButton")->isVisible());
    }

    void functionsOfLaterVersionsSaySo()
    {
        ScriptedMessages messages;
        click(m_window.get(), "usbBackupButton");
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.last().contains(QStringLiteral("folgt")));
    }

    void buyerLabelFollowsTheTopRightContent()
    {
        auto* label = child<QLabel>(m_window.get(), "buyerLabel");
        QCOMPARE(label->text(), QStringLiteral("Käuferdaten:"));
        m_window->database().print.topRightContent = TopRightContent::FreeText;
        m_window->updateBuyerLabel();
        QCOMPARE(label->text(), QStringLiteral("Freier Text:"));
    }

    void everyControlCanBeNamedByAScreenReader()
    {
        QCOMPARE(unnamedControls(m_window.get()), QStringList());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Avelor Abstammungsnachweis für Kanarienvögel"));
    }

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
