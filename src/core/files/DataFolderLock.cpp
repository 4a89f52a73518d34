#include "core/files/DataFolderLock.h"

DataFolderLock::DataFolderLock(const QString& folder) : m_file(folder + QStringLiteral(".avelor-sperre"))
{
    // Only a program that no longer runs loses the lock, however long ago it was taken.
    m_file.setStaleLockTime(0);
}

bool DataFolderLock::tryLock()
{
    return m_file.tryLock(0);
}

QString DataFolderLock::alreadyOpenMessage()
{
    return QStringLiteral("Avelor ist für diese Daten bereits geöffnet.\n\nBitte arbeiten Sie in dem Fenster weiter, "
                          "das schon offen ist (es kann hinter anderen Fenstern liegen oder in der Taskleiste "
                          "stecken), oder beenden Sie es dort mit „Alles speichern und Programm beenden“ und starten "
                          "Sie Avelor danach neu. So gehen keine Änderungen verloren.");
}
