#pragma once

#include <QGroupBox>

#include <memory>

class StockDocument;
class UsbBackupDialog;
class UsbRestoreDialog;
class WipeDatabaseDialog;

// "Backup-Funktion: ": the quick backup on the same disk and its restore, the
// backup to and from a USB stick, and the link that wipes the database.
class BackupGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit BackupGroup(StockDocument& stock, QWidget* parent = nullptr);
    ~BackupGroup() override;

private:
    StockDocument& m_stock;
    std::unique_ptr<UsbBackupDialog> m_usbBackup;
    std::unique_ptr<UsbRestoreDialog> m_usbRestore;
    std::unique_ptr<WipeDatabaseDialog> m_wipe;
};
