#include "ui/backup/DiskBackup.h"

#include "core/backup/Backup.h"
#include "core/model/SpeciesWords.h"
#include "core/stock/StockDocument.h"
#include "ui/backup/BackupMessages.h"
#include "ui/common/Messages.h"
#include "ui/common/ProgressWindow.h"

#include <QCoreApplication>
#include <QDir>

namespace DiskBackup {

void backup(QWidget* parent, const StockDocument& stock)
{
    const BackupPlace place = BackupPlace::onDisk();
    Messages::current().inform(
        parent,
        //: %1 is the folder of the backup
        QCoreApplication::translate(
            "DiskBackup",
            "Es wird nun ein schnelles Backup auf die gleiche Festplatte gemacht auf der auch die "
            "reguläre Datenbank des Programms läuft. Dies erfüllt nicht den Zweck eines Backups. "
            "Wenn die Festplatte beschädigt werden sollte sind der aktuelle Datenbestand UND das "
            "Backup davon betroffen.\n\nDie Sicherungskopie wird im Ordner %1"
            " gespeichert. Sie sollten diesen Ordner auf eine CD brennen oder die "
            "USB-Backup-Funktion weiter oben nutzen.")
            .arg(QDir::toNativeSeparators(place.folder)));
    ProgressWindow progress(parent, QCoreApplication::translate("DiskBackup", "Die Bilder werden gesichert"),
                            ProgressWindow::Counted::Pictures);
    const BackupOutcome outcome = writeBackup(stock, place, progress.callback());
    BackupMessages::showBackup(parent, outcome,
                               QCoreApplication::translate("DiskBackup", "Die Datensicherung ist fehlgeschlagen."));
}

void restore(QWidget* parent, StockDocument& stock)
{
    if (!Messages::current().askYesNo(
            parent, QCoreApplication::translate("DiskBackup", "Sicherheitsabfrage"),
            QCoreApplication::translate(
                "DiskBackup",
                "Beim Rückholen des Backups wird der auf dem Rechner befindliche Stand überschrieben.\n\r"
                "Soll das Backup wirklich von der Festplatte zurückgeholt werden?")))
        return;
    ProgressWindow progress(parent, QCoreApplication::translate("DiskBackup", "Die Bilder werden zurückgeholt"),
                            ProgressWindow::Counted::Pictures);
    const RestoreOutcome outcome = restoreBackup(stock, BackupPlace::onDisk(), progress.callback());
    if (outcome.result == RestoreOutcome::Result::NoBackup) {
        Messages::current().inform(parent, QCoreApplication::translate("DiskBackup", "Es wurde kein Backup gefunden."));
        return;
    }
    BackupMessages::showRestore(
        parent, outcome,
        QCoreApplication::translate("DiskBackup", "Fehler beim Wiederherstellen des Festplatten-Backups"));
}

} // namespace DiskBackup
