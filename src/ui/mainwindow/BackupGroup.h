#pragma once

#include <QGroupBox>

#include <memory>

class ImportStockDialog;
class StockDocument;
class UsbBackupDialog;
class UsbRestoreDialog;
class WipeDatabaseDialog;

// "Backup-Funktion: ": the quick backup on the same disk and its restore, the
// backup to and from a USB stick, the link that wipes the database and the
// one that imports a stock from a spreadsheet.
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
    std::unique_ptr<ImportStockDialog> m_import;
};
