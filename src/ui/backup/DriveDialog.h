#pragma once

#include "core/backup/Drives.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class StockDocument;

// The two USB dialogs: a text, the drives to choose from and one button whose
// caption names the chosen drive. The drives are looked up when it opens.
class DriveDialog : public QDialog
{
    Q_OBJECT

public:
    DriveDialog(StockDocument& stock, QWidget* parent = nullptr);

protected:
    // The dialog's own texts and work, given by each of the two.
    void build(const QString& caption, const QString& text);
    virtual QString buttonCaption(const QString& drive) const = 0;
    // Runs the backup or the restore on a drive; true when the dialog may close.
    virtual bool run(const Drive& drive) = 0;

    void showEvent(QShowEvent* event) override;

    StockDocument& m_stock;

private:
    void updateButton();

    QList<Drive> m_drives;
    QComboBox* m_selector = nullptr;
    QPushButton* m_button = nullptr;
};

// "Backup auf USB-Stick oder ext. Festplatte".
class UsbBackupDialog final : public DriveDialog
{
    Q_OBJECT

public:
    UsbBackupDialog(StockDocument& stock, QWidget* parent = nullptr);

private:
    QString buttonCaption(const QString& drive) const override;
    bool run(const Drive& drive) override;
};

// "Backup von USB-Stick oder ext. Festplatte holen".
class UsbRestoreDialog final : public DriveDialog
{
    Q_OBJECT

public:
    UsbRestoreDialog(StockDocument& stock, QWidget* parent = nullptr);

private:
    QString buttonCaption(const QString& drive) const override;
    bool run(const Drive& drive) override;
};
