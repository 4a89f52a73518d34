#pragma once

#include "core/model/Database.h"

#include <QString>
#include <QStringList>

// Loading and saving the two data files of a data folder, with the safety
// rules around them: atomic saves, damaged files kept as a copy and reported.
class DataFiles
{
public:
    explicit DataFiles(QString folder); // ends with '/'

    QString stockPath() const;
    QString pairPath() const;

    struct StartupResult
    {
        bool terminate = false; // wrong format version: end at once, save nothing
        QStringList messages; // German, to show in order
    };
    // Creates the folder if needed, then LoadStock and LoadPairs.
    StartupResult load(Database& db);

    struct SaveResult
    {
        bool ok = true;
        QString message; // German, names the file and the reason
    };
    // SaveStock, then SavePairs; stops at the first failure.
    SaveResult save(const Database& db);

    static QString incompatibleVersionMessage();

private:
    enum class FileKind
    {
        Stock,
        Pairs
    };
    QString keepDamagedCopy(FileKind kind, QString& failure);
    QString damagedMessage(FileKind kind, const QString& problem, const QString& detail);

    QString m_folder;
    // A damaged file that could not be copied must not be replaced by what was read of it.
    bool m_stockNeedsCopy = false;
    bool m_pairsNeedCopy = false;
};
