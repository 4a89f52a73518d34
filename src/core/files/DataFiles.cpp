#include "core/files/DataFiles.h"

#include "core/files/DataSetNames.h"
#include "core/files/FileSystem.h"
#include "core/files/PairFile.h"
#include "core/files/SafeWrite.h"
#include "core/files/SaveJournal.h"
#include "core/files/StockFile.h"
#include "core/model/SpeciesWords.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include <mutex>
#include <thread>

namespace {

// A data file's bytes, mapped into memory where possible.
struct FileImage
{
    bool exists = false;
    bool readable = false;
    QString error;
    QFile file;
    QByteArray copy;
    QByteArrayView bytes;
};

void readWhole(const QString& path, FileImage& image)
{
    image.file.setFileName(path);
    image.exists = image.file.exists();
    if (!image.exists)
        return;
    if (!image.file.open(QIODevice::ReadOnly)) {
        image.error = fileErrorText(image.file.error(), image.file.errorString());
        return;
    }
    const qint64 size = image.file.size();
    if (size == 0) {
        image.readable = true;
        return;
    }
    if (const uchar* mapped = image.file.map(0, size)) {
        image.bytes = QByteArrayView(mapped, size);
        image.readable = true;
        return;
    }
    image.copy = image.file.readAll();
    image.bytes = image.copy;
    image.readable = image.file.error() == QFileDevice::NoError;
    if (!image.readable)
        image.error = fileErrorText(image.file.error(), image.file.errorString());
}

QString quoted(const QString& text)
{
    return QStringLiteral("„") + QDir::toNativeSeparators(text) + QStringLiteral("“");
}

} // namespace

// What every copy of one DataFiles shares.
struct DataFiles::State
{
    std::mutex saving;
    // A damaged file that could not be copied must not be replaced by what was read of it.
    bool stockNeedsCopy = false;
    bool pairsNeedCopy = false;
    quint64 savedGeneration = 0;
    // The generation the files on the disk hold as they are; 0: unknown or not as in memory.
    quint64 onDisk = 0;
};

DataFiles::DataFiles(QString folder) : m_folder(std::move(folder)), m_state(std::make_shared<State>()) { }

QString DataFiles::stockPath() const
{
    return m_folder + DataSetNames::StockFile;
}

QString DataFiles::pairPath() const
{
    return m_folder + DataSetNames::PairFile;
}

QString DataFiles::pathOf(FileKind kind) const
{
    return kind == FileKind::Stock ? stockPath() : pairPath();
}

QString DataFiles::saveLockPath() const
{
    // Saves hold it alone, a reader beside the program shares it: no reader meets one file of a save without the other.
    return m_folder + QStringLiteral(".avelor-speichern");
}

QString DataFiles::incompatibleVersionMessage()
{
    //: %1 is the program's web page
    return QCoreApplication::translate("DataFiles",
                                       "Ihre Version der Datenbank ist mit dieser Version nicht kompatibel. Bitte "
                                       "kontaktieren Sie den Autor unter %1. Die Daten können dann ins neue Format "
                                       "konvertiert werden.")
        .arg(SpeciesWords::WebPage);
}

QString DataFiles::unreadableMessage(const QString& path, const QString& reason)
{
    return QCoreApplication::translate(
               "DataFiles",
               "Die Datei %1 ist vorhanden, kann aber nicht gelesen werden: %2\n\nAn ihr wurde nichts "
               "geändert. Bitte prüfen Sie, ob Sie diese Datei lesen dürfen (Zugriffsrechte) und ob der "
               "Datenträger in Ordnung ist.")
        .arg(quoted(path), reason);
}

QString DataFiles::keepDamagedCopy(FileKind kind, QString& failure) const
{
    const QString path = pathOf(kind);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString copy = path + QStringLiteral(".beschaedigt-") + stamp;
    for (int n = 2; QFile::exists(copy); ++n)
        copy = path + QStringLiteral(".beschaedigt-") + stamp + QLatin1Char('-') + QString::number(n);
    QFile original(path);
    if (original.copy(copy))
        return copy;
    failure = fileErrorText(original.error(), original.errorString());
    return {};
}

QString DataFiles::damagedMessage(FileKind kind, const QString& problem, const QString& detail, Access access) const
{
    //: %1 is the file, %2 what is wrong with it, %3 what was read of it
    QString text
        = QCoreApplication::translate(
              "DataFiles", "Die Datei %1 ist beschädigt und konnte nicht vollständig gelesen werden (%2).\n\n%3")
              .arg(quoted(pathOf(kind)), problem, detail);
    if (access == Access::ReadOnly)
        return text; // a reader leaves the file to the program, which keeps the copy
    QString failure;
    const QString copy = keepDamagedCopy(kind, failure);
    bool& needsCopy = kind == FileKind::Stock ? m_state->stockNeedsCopy : m_state->pairsNeedCopy;
    needsCopy = copy.isEmpty();
    if (copy.isEmpty()) {
        text += QCoreApplication::translate(
                    "DataFiles",
                    "\n\nEine Kopie der Originaldatei konnte nicht angelegt werden: %1 Die Datei "
                    "wird erst überschrieben, wenn diese Kopie beim Speichern gelingt.")
                    .arg(failure);
    } else {
        text += QCoreApplication::translate("DataFiles", "\n\nDie Originaldatei wurde unverändert aufbewahrt als %1.")
                    .arg(quoted(copy));
    }
    return text;
}

DataFiles::StartupResult DataFiles::load(StockData& db, Access access)
{
    return load(db, access, {});
}

DataFiles::StartupResult DataFiles::loadAncestries(const QStringList& rings, StockData& db)
{
    return load(db, Access::ReadOnly, rings);
}

DataFiles::StartupResult DataFiles::load(StockData& db, Access access, const QStringList& ancestriesOf)
{
    StartupResult result;
    const SaveJournal journal(m_folder);
    bool recovered = false;
    if (access == Access::Owner) {
        // What an interrupted save left is made whole before anything is read.
        const FileLock alone(saveLockPath(), FileLock::Mode::Exclusive, true);
        const QString problem = journal.recover();
        recovered = problem.isEmpty();
        if (!recovered)
            result.messages << problem
                    + QCoreApplication::translate(
                                   "DataFiles",
                                   "\n\nDas Programm arbeitet mit den zuletzt vollständig gespeicherten Daten und "
                                   "versucht es beim nächsten Speichern noch einmal.");
    }
    // A reader waits for a running save, so both files come from the same one.
    std::unique_ptr<FileLock> consistent;
    if (access == Access::ReadOnly)
        consistent = std::make_unique<FileLock>(saveLockPath(), FileLock::Mode::Shared, false);
    const SaveJournal::Files where = journal.current();
    FileImage stock;
    readWhole(where.stock, stock);
    // The birds and their ancestors are all a reader of ancestries asks for: the pairs stay unread.
    FileImage pairs;
    if (ancestriesOf.isEmpty())
        readWhole(where.pairs, pairs);
    consistent.reset(); // the files stay readable as they were, mapped or copied
    // A file that is there but cannot be read is not guessed at: nothing is read, nothing changes.
    for (const auto& [image, path] : {std::pair(&stock, stockPath()), std::pair(&pairs, pairPath())}) {
        if (image->exists && !image->readable) {
            result.terminate = true;
            result.messages << unreadableMessage(path, image->error);
        }
    }
    if (result.terminate)
        return result;

    // The pairs are decoded on a thread of their own while the stock file is:
    // the two files share nothing, and the stock's records are first walked by one thread.
    PairTable readPairs;
    PairFile::ReadResult pairRead;
    std::jthread pairReader([&] {
        if (pairs.exists)
            pairRead = PairFile::read(pairs.bytes, readPairs);
    });

    if (!stock.exists) {
        db.animals.clear();
        db.breeder = {};
        db.print = PrintSettings::defaults();
    } else {
        std::optional<StockFile::ReadResult> partial;
        if (!ancestriesOf.isEmpty())
            partial = StockFile::readAncestries(stock.file, ancestriesOf, db);
        const StockFile::ReadResult read = partial ? *partial : StockFile::read(stock.bytes, db);
        if (read.status == StockFile::ReadStatus::WrongVersion) {
            result.terminate = true;
            result.messages << incompatibleVersionMessage();
            return result;
        }
        if (read.status == StockFile::ReadStatus::Damaged) {
            const QString detail = QCoreApplication::translate("DataFiles",
                                                               "Gelesen wurden %1 von %2 Kanarienvögel. Das Programm "
                                                               "arbeitet mit den gelesenen Daten weiter.")
                                       .arg(db.animals.size())
                                       .arg(read.declaredCount);
            result.messages << damagedMessage(FileKind::Stock, read.problem, detail, access);
        }
    }

    if (recovered) {
        // Only now that this run will keep the files: what an interrupted save or restore left behind.
        removeStrayTemporaries(stockPath());
        removeStrayTemporaries(pairPath());
        removeStrayTemporaries(m_folder + DataSetNames::PictureFolder);
    }

    // A damaged pair file gives an empty pair table.
    db.pairs.clear();
    if (pairs.exists) {
        pairReader.join();
        if (pairRead.complete)
            db.pairs = std::move(readPairs);
        else
            result.messages << damagedMessage(
                FileKind::Pairs, pairRead.problem,
                QCoreApplication::translate(
                    "DataFiles",
                    "Die Zuchtpaare wurden nicht geladen; das Programm beginnt mit einer leeren "
                    "Zuchtpaar-Liste."),
                access);
    }
    // Both files read whole, nothing left over from a save: they hold what is in memory now.
    if (access == Access::Owner && recovered && stock.exists && pairs.exists && result.messages.isEmpty())
        m_state->onDisk = kLoadedGeneration;
    return result;
}

bool DataFiles::hold(quint64 generation) const
{
    const std::lock_guard<std::mutex> oneAtATime(m_state->saving);
    return generation > 0 && m_state->onDisk == generation;
}

DataFiles::SaveResult DataFiles::keepCopyBeforeSaving(FileKind kind) const
{
    bool& needsCopy = kind == FileKind::Stock ? m_state->stockNeedsCopy : m_state->pairsNeedCopy;
    if (!needsCopy)
        return {};
    QString failure;
    if (keepDamagedCopy(kind, failure).isEmpty()) {
        return {false,
                QCoreApplication::translate("DataFiles",
                                            "Die Datei %1 wurde nicht gespeichert, weil von der beim Start "
                                            "beschädigten Datei keine Kopie angelegt werden kann: %2")
                    .arg(quoted(pathOf(kind)), failure)};
    }
    needsCopy = false;
    return {};
}

DataFiles::SaveResult DataFiles::save(const StockData& db, quint64 generation) const
{
    return save(Writers {[&db](QIODevice& d) { return StockFile::write(d, db); },
                         [&db](QIODevice& d) {
                             return PairFile::write(d, db.pairs);
                         }},
                generation);
}

DataFiles::SaveResult DataFiles::save(const Writers& writers, quint64 generation) const
{
    const std::lock_guard<std::mutex> oneAtATime(m_state->saving);
    if (generation > 0 && generation < m_state->savedGeneration)
        return {}; // newer data are on disk already
    // A folder removed while the program ran is made again rather than losing the data.
    QDir().mkpath(m_folder);
    for (const FileKind kind : {FileKind::Stock, FileKind::Pairs}) {
        if (SaveResult kept = keepCopyBeforeSaving(kind); !kept.ok)
            return kept;
    }
    auto failed = [](const QString& path, const QString& reason) {
        return SaveResult {false,
                           QCoreApplication::translate("DataFiles",
                                                       "Die Datei %1 konnte nicht gespeichert werden: %2\n\nDie "
                                                       "bisherige Datei ist unverändert geblieben.")
                               .arg(quoted(path), reason)};
    };
    const SaveJournal journal(m_folder);
    {
        // A save interrupted before is finished first: its new files are what is on disk.
        const FileLock alone(saveLockPath(), FileLock::Mode::Exclusive, true);
        if (const QString problem = journal.recover(); !problem.isEmpty())
            return {false, problem};
    }
    // The two files are written side by side, the pairs on a helper thread.
    WriteOutcome pairsWritten;
    std::thread pairWriter([&] { pairsWritten = writeSyncedFile(journal.newPairPath(), pairPath(), writers.pairs); });
    const WriteOutcome stockWritten = writeSyncedFile(journal.newStockPath(), stockPath(), writers.stock);
    pairWriter.join();
    if (!stockWritten.ok || !pairsWritten.ok) {
        FileSystem::remove(journal.newStockPath());
        FileSystem::remove(journal.newPairPath());
        return stockWritten.ok ? failed(pairPath(), pairsWritten.reason) : failed(stockPath(), stockWritten.reason);
    }
    // Both files are complete: they replace the old ones together, while no reader looks.
    const FileLock alone(saveLockPath(), FileLock::Mode::Exclusive, true);
    if (const QString problem = journal.commit(); !problem.isEmpty())
        return {false, problem};
    m_state->savedGeneration = std::max(m_state->savedGeneration, generation);
    m_state->onDisk = generation;
    return {};
}
