#include "ui/backup/DriveDialog.h"

#include "core/backup/Backup.h"
#include "core/stock/StockDocument.h"
#include "ui/backup/BackupMessages.h"
#include "ui/common/Choices.h"
#include "ui/common/Messages.h"
#include "ui/common/ProgressWindow.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

DriveDialog::DriveDialog(StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock) { }

void DriveDialog::build(const QString& caption, const QString& text)
{
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(text, this);
    intro->setWordWrap(true);
    intro->setAlignment(Qt::AlignCenter);
    m_selector = makeListCombo(this, QStringLiteral("driveSelector"));
    m_selector->setAccessibleName(tr("Laufwerk"));
    m_button = new QPushButton(this);
    m_button->setObjectName(QStringLiteral("runButton"));
    auto* note = new QLabel(tr("Sollte das Laufwerk nicht erscheinen bitte die Anwendung neu starten."), this);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    layout->addWidget(intro);
    layout->addWidget(m_selector);
    layout->addWidget(m_button);
    layout->addStretch();
    layout->addWidget(note);
    connect(m_selector, &QComboBox::currentIndexChanged, this, &DriveDialog::updateButton);
    connect(m_button, &QPushButton::clicked, this, [this] {
        const int index = m_selector->currentIndex();
        if (index < 0 || index >= m_drives.size()) {
            Messages::current().inform(this, tr("Bitte zuerst ein Laufwerk auswählen."));
            return;
        }
        if (run(m_drives[index]))
            accept();
    });
}

void DriveDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        m_drives = Drives::mounted();
        QStringList names;
        for (const Drive& drive : std::as_const(m_drives))
            names << Drives::describe(drive);
        setChoices(m_selector, names);
        m_selector->setCurrentIndex(m_drives.isEmpty() ? -1 : 0);
        updateButton();
    }
    QDialog::showEvent(event);
}

void DriveDialog::updateButton()
{
    const int index = m_selector->currentIndex();
    const bool chosen = index >= 0 && index < m_drives.size();
    m_button->setEnabled(chosen);
    m_button->setText(chosen ? buttonCaption(m_drives[index].name)
                             : tr("Kein USB-Stick und keine externe Festplatte gefunden"));
}

UsbBackupDialog::UsbBackupDialog(StockDocument& stock, QWidget* parent) : DriveDialog(stock, parent)
{
    setObjectName(QStringLiteral("UsbBackupDialog"));
    build(tr("Backup auf USB-Stick oder ext. Festplatte"),
          tr("Mit dieser Funktion können Sie Ihr Backup auf einen USB-Stick oder eine externe Festplatte "
             "speichern.\n\nWählen Sie einfach das Laufwerk aus auf welches das Backup gespeichert werden "
             "soll.\n\nSie benötigen Schreibrechte auf dem ausgewählten Laufwerk."));
    setFixedSize(sizeHint().expandedTo(QSize(374, 252)));
}

QString UsbBackupDialog::buttonCaption(const QString& drive) const
{
    return tr("Backup auf \"%1\" ausführen").arg(drive);
}

bool UsbBackupDialog::run(const Drive& drive)
{
    ProgressWindow progress(this, tr("Die Bilder werden gesichert"), ProgressWindow::Counted::Pictures);
    const BackupOutcome outcome = writeBackup(m_stock, BackupPlace::onDrive(drive.root), progress.callback());
    return BackupMessages::showBackup(this, outcome,
                                      tr("Fehler bei der Datensicherung auf USB-Stick oder externer Festplatte."));
}

UsbRestoreDialog::UsbRestoreDialog(StockDocument& stock, QWidget* parent) : DriveDialog(stock, parent)
{
    setObjectName(QStringLiteral("UsbRestoreDialog"));
    build(tr("Backup von USB-Stick oder ext. Festplatte holen"),
          tr("Mit dieser Funktion können Sie Ihr Backup von einem USB-Stick oder einer externen "
             "Festplatte holen.\n\nWählen Sie einfach das Laufwerk aus auf welchem sich das Backup "
             "befindet.\n\nSie benötigen Leserechte auf dem ausgewählten Laufwerk."));
    setFixedSize(sizeHint().expandedTo(QSize(417, 256)));
}

QString UsbRestoreDialog::buttonCaption(const QString& drive) const
{
    return tr("Backup von \"%1\" holen").arg(drive);
}

bool UsbRestoreDialog::run(const Drive& drive)
{
    if (!Messages::current().askYesNo(
            this, tr("Sicherheitsabfrage"),
            tr("Beim Rückholen des Backups wird der auf dem Rechner befindliche Stand überschrieben.\n\r"
               "Soll das Backup wirklich vom USB-Stick bzw. Festplatte zurückgeholt werden?")))
        return false;
    ProgressWindow progress(this, tr("Die Bilder werden zurückgeholt"), ProgressWindow::Counted::Pictures);
    const RestoreOutcome outcome = restoreBackup(m_stock, BackupPlace::onDrive(drive.root), progress.callback());
    return BackupMessages::showRestore(this, outcome, tr("Fehler beim Zurückholen der Datensicherung."));
}
