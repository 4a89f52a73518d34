#pragma once

#include <QGroupBox>

// "Backup-Funktion: ": the four backup commands and the link that wipes the database.
class BackupGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit BackupGroup(QWidget* parent = nullptr);

signals:
    void usbBackupRequested();
    void usbRestoreRequested();
    void diskBackupRequested();
    void diskRestoreRequested();
    void wipeRequested();
};
