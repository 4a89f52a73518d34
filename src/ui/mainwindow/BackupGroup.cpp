#include "ui/mainwindow/BackupGroup.h"

#include "ui/backup/DiskBackup.h"
#include "ui/backup/DriveDialog.h"
#include "ui/backup/WipeDatabaseDialog.h"
#include "ui/common/Modal.h"
#include "ui/mainwindow/LinkButton.h"
#include "ui/stock/ImportStockDialog.h"

#include <QGridLayout>
#include <QPushButton>

BackupGroup::BackupGroup(StockDocument& stock, QWidget* parent)
    : QGroupBox(tr("Backup-Funktion: "), parent), m_stock(stock)
{
    auto* grid = new QGridLayout(this);
    const struct
    {
        QString text;
        const char* name;
        std::function<void()> command;
    } commands[] = {
        {tr("Backup auf USB-Stick"), "usbBackupButton",
         [this] {
             showModal(&lazily(m_usbBackup, m_stock, window()));
         }},
        {tr("Backup von USB-Stick holen"), "usbRestoreButton",
         [this] {
             showModal(&lazily(m_usbRestore, m_stock, window()));
         }},
        {tr("Schnelles Backup"), "diskBackupButton",
         [this] {
             DiskBackup::backup(window(), m_stock);
         }},
        {tr("Schnelles Backup holen"), "diskRestoreButton",
         [this] {
             DiskBackup::restore(window(), m_stock);
         }},
    };
    int i = 0;
    for (const auto& command : commands) {
        auto* button = new QPushButton(command.text, this);
        button->setObjectName(QString::fromLatin1(command.name));
        connect(button, &QPushButton::clicked, this, command.command);
        grid->addWidget(button, i / 2, i % 2);
        ++i;
    }
    auto* wipe = new LinkButton(tr("Komplette Datenbank löschen und neu anfangen"), this);
    wipe->setObjectName(QStringLiteral("wipeDatabaseLink"));
    connect(wipe, &QPushButton::clicked, this, [this] { lazily(m_wipe, m_stock, window()).open(); });
    grid->addWidget(wipe, 2, 0, 1, 2, Qt::AlignHCenter);
    auto* import = new LinkButton(tr("Bestand importieren…"), this);
    import->setObjectName(QStringLiteral("importStockLink"));
    connect(import, &QPushButton::clicked, this, [this] {
        ImportStockDialog& dialog = lazily(m_import, m_stock, window());
        if (dialog.chooseFile())
            showModal(&dialog);
    });
    grid->addWidget(import, 3, 0, 1, 2, Qt::AlignHCenter);
}

BackupGroup::~BackupGroup() = default;
