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

    const QString& folder() const { return m_folder; }
    QString stockPath() const;
    QString pairPath() const;

    struct StartupResult
    {
        bool terminate = false; // wrong format version: end at once, save nothing
        QStringList messages; // German, to show in order
    };
    // Reads the stock file, then the pair file. A missing stock file gives an
    // empty stock with the first start's settings; a damaged file is kept as
    // a copy and reported.
    StartupResult load(Database& db);

    struct SaveResult
    {
        bool ok = true;
        QString message; // German, names the file and the reason
    };
    // The stock file, then the pair file; stops at the first failure.
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
