#include "app/Startup.h"
#include "core/files/DataFolder.h"
#include "core/files/DataFolderLock.h"
#include "core/pictures/PictureStore.h"
#include "core/records/RecordsDatabase.h"
#include "core/stock/StockDocument.h"
#include "support/FileBytes.h"
#include "support/FileHelpers.h"
#include "support/ScriptedMessages.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/SplashWindow.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString stockFile()
{
    return DataFolder::path() + QStringLiteral("taubenstamm.dat");
}

QString pairFile()
{
    return DataFolder::path() + QStringLiteral("zuchtpaare.dat");
}

// Every file of a folder (not its sub-folders) with its bytes.
QMap<QString, QByteArray> folderContents(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, contents(folder + name));
    return files;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { configureApplication(); }

    void init()
    {
        m_home = std::make_unique<TestHome>(false); // the program makes its folders itself
    }

    void dataFolderFollowsThePlural()
    {
#ifdef Q_OS_WIN
        const QString appData = m_home->path() + QStringLiteral("/AppData/Roaming"); // the profile's roaming data
#else
        const QString appData = m_home->path();
#endif
        QCOMPARE(DataFolder::path(), appData + QStringLiteral("/Avelor Abstammungsnachweis für Kanarienvögel/"));
        QCOMPARE(PictureStore(DataFolder::path()).pathOf(QStringLiteral("../x/..\\y\n")),
                 DataFolder::path() + QStringLiteral("Bilder/.._x_.._y_.jpg"));
    }

    void germanStandardButtons()
    {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }

    // The menu ties the running windows to its entry by the window class and the desktop id;
    // a renamed program would show up as a stranger without its icon.
    void windowsMatchTheDesktopEntry()
    {
        QSettings entry(QStringLiteral(AVELOR_PACKAGING "/%1.desktop").arg(QGuiApplication::desktopFileName()),
                        QSettings::IniFormat);
        entry.beginGroup(QStringLiteral("Desktop Entry"));
        QCOMPARE(entry.value("StartupWMClass").toString(), QCoreApplication::applicationName());
        QCOMPARE(entry.value("Icon").toString(), QGuiApplication::desktopFileName());
        const QIcon icon = QApplication::windowIcon();
        QCOMPARE(icon.availableSizes().size(), 8);
        QCOMPARE(icon.pixmap(16).size(), QSize(16, 16));
    }

    void firstStartShowsSplashThenMainWindowAndSavesOnJa()
    {
        ScriptedMessages messages;
        messages.answer(true);
        Startup startup(0);
        QVERIFY(startup.start());
        QVERIFY(messages.texts.isEmpty());
        QVERIFY(startup.splashWindow()->isVisible());
        const auto labels = startup.splashWindow()->findChildren<QLabel*>();
        QCOMPARE(labels.size(), 2);
        QCOMPARE(labels[1]->text(), QStringLiteral("für Kanarienvögel"));
        QTRY_VERIFY(startup.mainWindow()->isVisible());
        QVERIFY(!startup.splashWindow()->isVisible());
        QVERIFY(QDir(DataFolder::path() + QStringLiteral("Bilder")).exists());
        QCOMPARE(startup.mainWindow()->windowTitle(), QStringLiteral("Avelor Abstammungsnachweis für Kanarienvögel"));

        QSignalSpy exit(startup.mainWindow(), &MainWindow::exitConfirmed);
        startup.mainWindow()->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
        QCOMPARE(messages.questions, QStringList {QStringLiteral("Frage: Wollen sie das Programm beenden?")});
        QCOMPARE(exit.count(), 1);
        QCOMPARE(QFileInfo(stockFile()).size(), 318);
        QCOMPARE(contents(pairFile()), QByteArray(4, '\0'));
    }

    void neinKeepsTheWindowWithBothFilesWritten()
    {
        ScriptedMessages messages;
        messages.answer(false);
        Startup startup(0);
        QVERIFY(startup.start());
        QTRY_VERIFY(startup.mainWindow()->isVisible());
        QSignalSpy exit(startup.mainWindow(), &MainWindow::exitConfirmed);
        startup.mainWindow()->close();
        QCOMPARE(exit.count(), 0);
        QVERIFY(startup.mainWindow()->isVisible());
        QVERIFY(QFile::exists(stockFile()));
        QVERIFY(QFile::exists(pairFile()));
    }

    void handWrittenFilesComeBackAfterStartAndClose()
    {
        put(stockFile(), SampleFiles::stock(true));
        put(pairFile(), SampleFiles::pairs(true));
        ScriptedMessages messages;
        messages.answer(true);
        Startup startup(0);
        QVERIFY(startup.start());
        QTRY_VERIFY(startup.mainWindow()->isVisible());
        startup.mainWindow()->close();
        QVERIFY(messages.warnings.isEmpty());

        QList<qsizetype> listedMarks;
        const QByteArray expected = SampleFiles::stock(false, &listedMarks);
        QByteArray saved = contents(stockFile());
        QCOMPARE(saved.size(), expected.size());
        for (qsizetype at : listedMarks)
            saved[at] = expected[at]; // a scratch flag the lists reuse
        QCOMPARE(saved, expected);
        QCOMPARE(contents(pairFile()), SampleFiles::pairs(false));
    }

    void wrongVersionEndsAtOnceAndTouchesNothing()
    {
        QByteArray bytes = SampleFiles::stock(true);
        bytes[1] = 0;
        put(stockFile(), bytes);
        ScriptedMessages messages;
        Startup startup(0);
        QVERIFY(!startup.start());
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.last().contains(QStringLiteral("nicht kompatibel")));
        QVERIFY(!startup.mainWindow());
        QCOMPARE(contents(stockFile()), bytes);
        QVERIFY(!QFile::exists(pairFile()));
    }

    void failedSaveIsReportedAndTheWindowStaysOpen()
    {
        ScriptedMessages messages;
        Startup startup(0);
        QVERIFY(startup.start());
        QTRY_VERIFY(startup.mainWindow()->isVisible());
        StockData db;
        Animal a;
        a.ringNumber = QStringLiteral("R");
        a.remarks = QString(500, QLatin1Char('x'));
        db.animals.assign(1000, a);
        startup.stock()->replaceAll(db);
        {
#ifdef Q_OS_WIN
            // Windows limits no file's size per process: a stock file held open fails the save too.
            put(stockFile(), "vorher");
            HeldFile held(stockFile());
#else
            FileSizeLimit limit(4096);
#endif
            startup.mainWindow()->close();
        }

        QCOMPARE(messages.warnings.size(), 1);
        QVERIFY(messages.warnings[0].contains(QDir::toNativeSeparators(stockFile())));
        QVERIFY(messages.questions.isEmpty());
        QVERIFY(startup.mainWindow()->isVisible());
#ifdef Q_OS_WIN
        QCOMPARE(contents(stockFile()), QByteArray("vorher"));
#else
        QVERIFY(!QFile::exists(stockFile()));
#endif
        QVERIFY(!QFile::exists(pairFile()));
    }

    // Two programs on one data folder would save over each other's changes.
    void aSecondStartOnTheSameDataRefusesAndTouchesNothing()
    {
        ScriptedMessages messages;
        Startup first(0);
        QVERIFY(first.start());
        QTRY_VERIFY(first.mainWindow()->isVisible());
        put(stockFile() + QStringLiteral(".avelor-tmp-abc123"), "ein Speichern, das gerade läuft");
        const QMap<QString, QByteArray> before = folderContents(DataFolder::path());

        Startup second(0);
        QVERIFY(!second.start());
        QCOMPARE(messages.warnings, QStringList {DataFolderLock::alreadyOpenMessage()});
        QVERIFY(!second.mainWindow());
        QCOMPARE(folderContents(DataFolder::path()), before);
    }

    // What a power cut can leave of the lock file (nothing, half a line, garbage) holds no
    // lock: only a program that runs does. A folder Avelor may not change, and one on a full
    // disk, are told as what they are.
    void onlyARunningProgramHoldsTheLock()
    {
        const QString lockFile = DataFolder::path() + QStringLiteral(".avelor-sperre");
        for (const QByteArray& left : {QByteArray(), QByteArray("12"), QByteArray("\xff\x00\x13garbage\n\n\n", 13)}) {
            put(lockFile, left);
            ScriptedMessages messages;
            Startup startup(0);
            QVERIFY(startup.start());
            QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join('|')));
        }

        QVERIFY(QFile::remove(lockFile));
        const NoAccess readOnly(DataFolder::path(), NoAccess::What::ChangeFolder);
        if (!readOnly.works())
            QSKIP("Folders cannot be made read-only here");
        ScriptedMessages messages;
        Startup startup(0);
        QVERIFY(!startup.start());
        QCOMPARE(messages.warnings.size(), 1);
        QVERIFY2(messages.warnings[0].contains(QStringLiteral("schreibgeschützt")), qPrintable(messages.warnings[0]));
        QVERIFY(!QFile::exists(lockFile));
    }

    void aDiskWithoutRoomForASaveIsTold()
    {
        put(stockFile(), SampleFiles::stock(true));
        QVERIFY(DataFolder::lowSpaceWarning(DataFolder::path()).isEmpty());
        const QString warning = DataFolder::lowSpaceWarning(DataFolder::path(), 1000);
        QVERIFY(warning.contains(QStringLiteral("kaum noch Platz frei (0,0 MB)")));
    }

    // A program killed after an edit (a crash, a power cut) has saved the edit in the background, and
    // the lock it left is taken over by the next start without a question.
    void anEditSurvivesAKillAndTheLockIsTakenOver()
    {
        QProcess program;
        program.start(QStringLiteral(AVELOR_EDIT_THEN_WAIT), {QStringLiteral("VOR-DEM-ABSTURZ")});
        QVERIFY(program.waitForStarted());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += program.readAllStandardOutput()).contains("eingegeben"), 20000);
        QTest::qWait(3200); // the breeder's edit is more than three seconds old
        program.kill();
        QVERIFY(program.waitForFinished());
        QVERIFY(QFile::exists(DataFolder::path() + QStringLiteral(".avelor-sperre")));

        ScriptedMessages messages;
        Startup again(0);
        QVERIFY(again.start());
        QVERIFY(messages.texts.isEmpty());
        QVERIFY(again.stock()->lastActive(QStringLiteral("VOR-DEM-ABSTURZ")));
    }

    // A show result or a move is committed when it is made: killed the moment after, it is there.
    void recordsSurviveAKillAtOnce()
    {
        QProcess program;
        program.start(QStringLiteral(AVELOR_EDIT_THEN_WAIT), {QStringLiteral("SCHAU-1"), QStringLiteral("schau")});
        QVERIFY(program.waitForStarted());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += program.readAllStandardOutput()).contains("eingegeben"), 20000);
        program.kill();
        QVERIFY(program.waitForFinished());
        RecordsDatabase records;
        QVERIFY(records.open(DataFolder::path() + QStringLiteral("zusatzdaten.db"), RecordsDatabase::Access::ReadOnly)
                    .message.isEmpty());
        const std::vector<ShowResult> results = records.showResults(QStringLiteral("SCHAU-1"));
        QCOMPARE(results.size(), size_t(1));
        QCOMPARE(results[0].halfPoints, 185);

        program.start(QStringLiteral(AVELOR_EDIT_THEN_WAIT),
                      {QStringLiteral("UMGESETZT-1"), QStringLiteral("umsetzen")});
        QVERIFY(program.waitForStarted());
        said.clear();
        QTRY_VERIFY_WITH_TIMEOUT((said += program.readAllStandardOutput()).contains("eingegeben"), 20000);
        program.kill();
        QVERIFY(program.waitForFinished());
        const std::optional<LocationMove> place = records.currentLocation(QStringLiteral("UMGESETZT-1"));
        QVERIFY(place);
        QCOMPARE(place->location, QStringLiteral("Voliere 2"));
        QCOMPARE(place->date, QDate(2026, 12, 8));
    }

    // A bird deleted by mistake and brought back with "Rückgängig" is there,
    // whole, after the program was closed and started again.
    void aDeletionTakenBackStaysBackAfterARestart()
    {
        const QString ring = QStringLiteral("ZURUECK-1");
        {
            ScriptedMessages messages;
            messages.answer(true);
            Startup startup(0);
            QVERIFY(startup.start());
            QTRY_VERIFY(startup.mainWindow()->isVisible());
            StockDocument& stock = *startup.stock();
            Animal animal;
            animal.ringNumber = ring;
            animal.birthYear = 2025;
            animal.active = 1;
            stock.appendAnimals({animal});
            put(stock.pictures().pathOf(ring), "bild");
            for (const int points : {180, 184, 189}) {
                ShowResult shown {0, ring, QDate(2025, 11, 8), QStringLiteral("Bundesschau"), {}, points, {}, {}};
                QCOMPARE(stock.addShowResult(shown), QString());
            }
            QCOMPARE(stock.deleteAnimal(ring), QString());
            startup.mainWindow()->findChild<QPushButton*>(QStringLiteral("undoButton"))->click();
            startup.mainWindow()->close();
            QVERIFY(messages.warnings.isEmpty());
        }
        ScriptedMessages messages;
        Startup again(0);
        QVERIFY(again.start());
        QVERIFY(again.stock()->lastActive(ring));
        QCOMPARE(contents(again.stock()->pictures().pathOf(ring)), QByteArray("bild"));
        QCOMPARE(again.stock()->records().showResults(ring).size(), size_t(3));
    }

    void damagedFilesAreReportedBeforeTheSplash()
    {
        put(stockFile(), SampleFiles::stock(true).left(500));
        put(pairFile(), QByteArray("\x01\x00\x00\x00", 4));
        ScriptedMessages messages;
        Startup startup(0);
        QVERIFY(startup.start());
        QCOMPARE(messages.warnings.size(), 2);
        QVERIFY(messages.warnings[0].contains(QStringLiteral("taubenstamm.dat")));
        QVERIFY(messages.warnings[1].contains(QStringLiteral("zuchtpaare.dat")));
        QVERIFY(startup.stock()->data().pairs.empty());
        QCOMPARE(startup.stock()->data().animals.size(), size_t(2));
    }

private:
    std::unique_ptr<TestHome> m_home;
};

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
