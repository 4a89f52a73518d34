// The backup buttons, the USB dialogs and the wipe, clicked as a breeder would.
#include "core/backup/Backup.h"
#include "core/backup/Drives.h"
#include "core/files/DataFolder.h"
#include "core/stock/StockDocument.h"
#include "support/FileHelpers.h"
#include "support/SampleAnimals.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/MainWindow.h"

#include <QDialog>
#include <QFileInfo>

class TestBackupDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        StockData db;
        db.print = PrintSettings::defaults();
        db.print.showBreeding = 1;
        db.animals = {testAnimal("A-1"), testAnimal("B-2")};
        db.pairs = {{QStringLiteral("A-1"), QStringLiteral("B-2"), 1, 45000, {}}};
        m_f = std::make_unique<WindowFixture>(std::move(db));
        m_stick = m_f->home() + QStringLiteral("/media/STICK");
        QDir().mkpath(m_stick);
        Drives::install([this] { return QList<Drive> {{m_stick, QStringLiteral("STICK")}}; });
    }

    void cleanup()
    {
        Drives::install(nullptr);
        m_f.reset();
    }

    void theQuickBackupAndItsRestore()
    {
        auto& messages = m_f->messages;
        messages.answer(true);
        click(m_f->window(), "diskRestoreButton");
        QCOMPARE(messages.last(), QStringLiteral("Es wurde kein Backup gefunden."));
        click(m_f->window(), "diskBackupButton");
        QVERIFY(
            messages.texts[messages.texts.size() - 2].startsWith(QStringLiteral("Es wird nun ein schnelles Backup")));
        QCOMPARE(messages.last(), QStringLiteral("Datensicherung wurde durchgeführt."));

        m_f->stock().appendAnimals({testAnimal("NEW")});
        messages.answer(false);
        click(m_f->window(), "diskRestoreButton");
        QCOMPARE(m_f->animals().size(), size_t(3)); // "Nein" keeps everything
        messages.answer(true);
        click(m_f->window(), "diskRestoreButton");
        QVERIFY(messages.questions.last().startsWith(QStringLiteral("Sicherheitsabfrage: Beim Rückholen")));
        QVERIFY(messages.last().startsWith(QStringLiteral("Datensicherung wurde zurückgeholt.")));
        QCOMPARE(m_f->animals().size(), size_t(2));
        QVERIFY(!entries(child<QComboBox>(m_f->window(), "animalSelector")).contains("NEW"));
    }

    void theUsbDialogsNameTheDriveAndReportFailures()
    {
        auto& messages = m_f->messages;
        QDialog* restore = m_f->open("usbRestoreButton", "UsbRestoreDialog");
        QCOMPARE(child<QPushButton>(restore, "runButton")->text(), QStringLiteral("Backup von \"STICK\" holen"));
        messages.answer(true);
        click(restore, "runButton");
        QVERIFY(messages.last().startsWith(QStringLiteral("Fehler beim Zurückholen der Datensicherung.")));
        QVERIFY(restore->isVisible());
        QCOMPARE(m_f->animals().size(), size_t(2));
        restore->reject();

        QDialog* backup = m_f->open("usbBackupButton", "UsbBackupDialog");
        QCOMPARE(child<QPushButton>(backup, "runButton")->text(), QStringLiteral("Backup auf \"STICK\" ausführen"));
        click(backup, "runButton");
        QCOMPARE(messages.last(), QStringLiteral("Datensicherung wurde durchgeführt."));
        QVERIFY(!backup->isVisible());
        QVERIFY(QFileInfo::exists(m_stick + QStringLiteral("/taubenstamm.dat")));

        QDir(m_stick).removeRecursively();
        put(m_stick, "kein Ordner"); // a drive that takes nothing
        click(m_f->window(), "usbBackupButton");
        click(backup, "runButton");
        QVERIFY(messages.last().startsWith(
            QStringLiteral("Fehler bei der Datensicherung auf USB-Stick oder externer Festplatte.")));
        QVERIFY(backup->isVisible());
        backup->reject();
    }

    // A write-protected stick is offered, so the breeder learns why a backup fails; with no drive
    // at all the button says so and cannot be pressed.
    void writeProtectedAndMissingDrivesAreShown()
    {
        put(m_stick + QStringLiteral("-ro"), "schreibgeschützt"); // a root nothing can be written to
        Drives::install([this] {
            return QList<Drive> {{m_stick + QStringLiteral("-ro"), QStringLiteral("RO"), true}};
        });
        QDialog* backup = m_f->open("usbBackupButton", "UsbBackupDialog");
        QVERIFY(entries(child<QComboBox>(backup, "driveSelector"))[0].endsWith(QStringLiteral("schreibgeschützt)")));
        click(backup, "runButton");
        QVERIFY(m_f->messages.last().startsWith(
            QStringLiteral("Fehler bei der Datensicherung auf USB-Stick oder externer Festplatte.")));
        QVERIFY(
            m_f->messages.last().endsWith(QStringLiteral("Die bisherige Datensicherung ist unverändert geblieben.")));
        backup->reject();

        Drives::install([] { return QList<Drive> {}; });
        QDialog* restore = m_f->open("usbRestoreButton", "UsbRestoreDialog");
        auto* run = child<QPushButton>(restore, "runButton");
        QVERIFY(!run->isEnabled());
        QCOMPARE(run->text(), QStringLiteral("Kein USB-Stick und keine externe Festplatte gefunden"));
        restore->reject();
    }

    // "neu" in any letter case wipes; anything else closes without a word.
    void theWipeNeedsTheWordNeu()
    {
        for (const char* word : {"ne", "NEU"}) {
            click(m_f->window(), "wipeDatabaseLink");
            auto* wipe = child<QDialog>(m_f->window(), "WipeDatabaseDialog");
            QVERIFY(wipe->isVisible());
            QVERIFY(child<QLineEdit>(wipe, "wordEdit")->text().isEmpty());
            type(wipe, "wordEdit", QStringLiteral("neux"));
            QCOMPARE(child<QLineEdit>(wipe, "wordEdit")->text(), QStringLiteral("neu")); // no fourth character
            type(wipe, "wordEdit", QString::fromLatin1(word));
            click(wipe, "okButton");
            QVERIFY(!wipe->isVisible());
        }
        QCOMPARE(m_f->messages.texts,
                 QStringList {"Die Datenbank wurde gelöscht. Was bis dahin geändert wurde, lässt sich nicht mehr "
                              "rückgängig machen."});
        QVERIFY(entries(child<QComboBox>(m_f->window(), "animalSelector")).isEmpty());
        QVERIFY(entries(child<QComboBox>(m_f->window(), "pairSelector")).isEmpty());
        m_f->messages.answer(true);
        m_f->window()->close();
        QCOMPARE(QFileInfo(DataFolder::path() + QStringLiteral("taubenstamm.dat")).size(), 318);
        QCOMPARE(contents(DataFolder::path() + QStringLiteral("zuchtpaare.dat")), QByteArray(4, '\0'));
    }

private:
    std::unique_ptr<WindowFixture> m_f;
    QString m_stick;
};

QTEST_MAIN(TestBackupDialogs)
#include "TestBackupDialogs.moc"
