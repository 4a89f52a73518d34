#include "core/files/DataFolderLock.h"

#include "core/files/SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>

namespace {

QString quoted(const QString& path)
{
    return QStringLiteral("„") + QDir::toNativeSeparators(path) + QStringLiteral("“");
}

} // namespace

DataFolderLock::DataFolderLock(QString folder) : m_folder(std::move(folder)) { }

DataFolderLock::~DataFolderLock() = default;

bool DataFolderLock::tryLock()
{
    const QString path = m_folder + QStringLiteral(".avelor-sperre");
    m_lock = std::make_unique<FileLock>(path, FileLock::Mode::Exclusive, true, FileLock::Wait::No);
    if (!m_lock->held())
        return false;
    // For a person who looks, and in the form earlier versions read: process, program, machine.
    // Not written (a full disk), the lock holds all the same.
    m_lock->replaceContents(QByteArray::number(QCoreApplication::applicationPid()) + '\n'
                            + QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n'
                            + QSysInfo::machineHostName().toUtf8() + '\n');
    return true;
}

QString DataFolderLock::refusal() const
{
    if (!m_lock)
        return {};
    switch (m_lock->openError()) {
    case 0:
        return m_lock->held() ? QString() : alreadyOpenMessage();
    case EACCES:
    case EPERM:
    case EROFS:
        return QCoreApplication::translate(
                   "DataFolderLock",
                   "Im Datenordner %1 darf Avelor nichts ändern: Der Ordner oder der Datenträger ist "
                   "schreibgeschützt. So könnte keine Änderung gespeichert werden; darum startet das "
                   "Programm nicht.\n\nBitte geben Sie den Ordner zum Schreiben frei (Zugriffsrechte) "
                   "und starten Sie Avelor danach neu.")
            .arg(quoted(m_folder));
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QCoreApplication::translate(
                   "DataFolderLock",
                   "Auf dem Datenträger des Datenordners %1 ist kein Platz mehr frei. So könnte keine "
                   "Änderung gespeichert werden; darum startet das Programm nicht.\n\nBitte schaffen Sie "
                   "Platz (etwa indem Sie nicht mehr benötigte Dateien löschen) und starten Sie Avelor "
                   "danach neu.")
            .arg(quoted(m_folder));
    default:
        return QCoreApplication::translate("DataFolderLock", "Der Datenordner %1 kann nicht benutzt werden: %2")
            .arg(quoted(m_folder), fileErrorText(QFileDevice::OpenError, QString(), m_lock->openError()));
    }
}

QString DataFolderLock::alreadyOpenMessage()
{
    return QCoreApplication::translate(
        "DataFolderLock",
        "Avelor ist für diese Daten bereits geöffnet.\n\nBitte arbeiten Sie in dem Fenster weiter, "
        "das schon offen ist (es kann hinter anderen Fenstern liegen oder in der Taskleiste "
        "stecken), oder beenden Sie es dort mit „Alles speichern und Programm beenden“ und starten "
        "Sie Avelor danach neu. So gehen keine Änderungen verloren.");
}
