#pragma once

#include "core/model/StockData.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QIODevice;

// Loading and saving the two data files of a data folder, with the safety
// rules around them: atomic saves of both files together, damaged files kept
// as a copy and reported. Copies of a DataFiles share their state, and
// saves may come from any thread: they run one after the other.
class DataFiles
{
public:
    explicit DataFiles(QString folder); // ends with '/'

    const QString& folder() const { return m_folder; }
    QString stockPath() const;
    QString pairPath() const;

    enum class Access
    {
        // The program, holding the folder's lock: it keeps a copy of a
        // damaged file and clears away what an interrupted save left.
        Owner,
        // A reader beside a running program (avelor-export): writes and
        // deletes nothing, and reads both files of one save.
        ReadOnly,
    };

    struct StartupResult
    {
        // A wrong format version or a file that cannot be read: end at once, save nothing.
        bool terminate = false;
        QStringList messages; // German, to show in order
    };
    // Reads the stock file, then the pair file. A missing stock file gives an
    // empty stock with the first start's settings; a damaged file is reported.
    // The program (Owner) first makes whole what an interrupted save left.
    StartupResult load(StockData& db, Access access = Access::Owner);
    // A reader's load of only the animals with these rings and their
    // ancestors (all records of each ring reached), where the stock file is
    // whole, and no pairs; otherwise the same as load().
    StartupResult loadAncestries(const QStringList& rings, StockData& db);

    struct SaveResult
    {
        bool ok = true;
        QString message; // German, names the file and the reason
    };
    // The stock file and the pair file, each written whole before either
    // replaces its old file. `generation` counts the changes of the data: a
    // save of data older than those already saved writes nothing.
    SaveResult save(const StockData& db, quint64 generation = 0) const;
    // The same save from what writes each file's bytes (the data encoded beforehand).
    struct Writers
    {
        std::function<bool(QIODevice&)> stock;
        std::function<bool(QIODevice&)> pairs;
    };
    SaveResult save(const Writers& writers, quint64 generation) const;

    // The generation of data a whole load gives (the first of a stock document).
    static constexpr quint64 kLoadedGeneration = 1;
    // Whether the files on the disk hold this generation of the data: read
    // whole at the start (kLoadedGeneration) or saved since, and nothing saved after it.
    bool hold(quint64 generation) const;

    static QString incompatibleVersionMessage();
    // A file that is there but cannot be read (permissions, a failing disk).
    static QString unreadableMessage(const QString& path, const QString& reason);

private:
    enum class FileKind
    {
        Stock,
        Pairs
    };
    struct State;
    QString pathOf(FileKind kind) const;
    QString keepDamagedCopy(FileKind kind, QString& failure) const;
    QString damagedMessage(FileKind kind, const QString& problem, const QString& detail, Access access) const;
    SaveResult keepCopyBeforeSaving(FileKind kind) const;
    QString saveLockPath() const;
    StartupResult load(StockData& db, Access access, const QStringList& ancestriesOf);

    QString m_folder;
    std::shared_ptr<State> m_state;
};
