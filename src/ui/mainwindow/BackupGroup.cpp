#include "ui/mainwindow/BackupGroup.h"

#include "ui/mainwindow/LinkButton.h"

#include <QGridLayout>
#include <QPushButton>

BackupGroup::BackupGroup(QWidget* parent) : QGroupBox(QStringLiteral("Backup-Funktion: "), parent)
{
    auto* grid = new QGridLayout(this);
    const struct
    {
        QString text;
        const char* name;
        void (BackupGroup::*signal)();
    } commands[] = {
        {QStringLiteral("Backup auf USB-Stick"), "usbBackupButton", &BackupGroup::usbBackupRequested},
        {QStringLiteral("Backup von USB-Stick holen"), "usbRestoreButton", &BackupGroup::usbRestoreRequested},
        {QStringLiteral("Schnelles Backup"), "diskBackupButton", &BackupGroup::diskBackupRequested},
        {QStringLiteral("Schnelles Backup holen"), "diskRestoreButton", &BackupGroup::diskRestoreRequested},
    };
    int i = 0;
    for (const auto& command : commands) {
        auto* button = new QPushButton(command.text, this);
        button->setObjectName(QString::fromLatin1(command.name));
        connect(button, &QPushButton::clicked, this, command.signal);
        grid->addWidget(button, i / 2, i % 2);
        ++i;
    }
    auto* wipe = new LinkButton(QStringLiteral("Komplette Datenbank löschen und neu anfangen"), this);
    wipe->setObjectName(QStringLiteral("wipeDatabaseLink"));
    connect(wipe, &QPushButton::clicked, this, &BackupGroup::wipeRequested);
    grid->addWidget(wipe, 2, 0, 1, 2, Qt::AlignHCenter);
}
