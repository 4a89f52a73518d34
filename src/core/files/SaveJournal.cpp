#include "core/files/SaveJournal.h"

#include "core/files/DataSetNames.h"
#include "core/files/FileSystem.h"
#include "core/files/SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The marker's first line; then the sizes of the new stock file and the new pair file.
constexpr char kMarkerHeader[] = "avelor-save 1";
// A marker is a few dozen bytes; anything much larger is not one.
constexpr qint64 kLargestMarker = 256;

QString quoted(const QString& path)
{
    return QStringLiteral("„") + QDir::toNativeSeparators(path) + QStringLiteral("“");
}

QString reasonOf(int errorNumber)
{
    return fileErrorText(QFileDevice::RenameError, QString(), errorNumber);
}

bool exists(const QString& path)
{
    return QFileInfo::exists(path);
}

} // namespace

struct SaveJournal::Marker
{
    enum class State
    {
        Absent,
        Valid,
        Garbage, // not a marker this program wrote: no save was committed by it
        Unreadable,
    };
    State state = State::Absent;
    qint64 stockSize = -1;
    qint64 pairSize = -1;
    QString problem;
};

SaveJournal::SaveJournal(QString folder) : m_folder(std::move(folder)) { }

const QString& SaveJournal::markerName()
{
    static const QString name = QStringLiteral(".avelor-neue-dateien");
    return name;
}

QString SaveJournal::stockPath() const
{
    return replacedFile(m_folder + DataSetNames::StockFile);
}

QString SaveJournal::pairPath() const
{
    return replacedFile(m_folder + DataSetNames::PairFile);
}

QString SaveJournal::newStockPath() const
{
    return stockPath() + QLatin1String(kTemporaryMarker) + QStringLiteral("new");
}

QString SaveJournal::newPairPath() const
{
    return pairPath() + QLatin1String(kTemporaryMarker) + QStringLiteral("new");
}

QString SaveJournal::oldStockPath() const
{
    return stockPath() + QLatin1String(kTemporaryMarker) + QStringLiteral("old");
}

QString SaveJournal::markerPath() const
{
    return m_folder + markerName();
}

bool SaveJournal::readMarker(Marker& marker) const
{
    QFile file(markerPath());
    if (!file.exists()) {
        marker.state = Marker::State::Absent;
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        marker.state = Marker::State::Unreadable;
        marker.problem = fileErrorText(file.error(), file.errorString());
        return false;
    }
    const QByteArray bytes = file.read(kLargestMarker + 1);
    if (file.error() != QFileDevice::NoError) {
        marker.state = Marker::State::Unreadable;
        marker.problem = fileErrorText(file.error(), file.errorString());
        return false;
    }
    const QList<QByteArray> lines = bytes.split('\n');
    bool stockOk = false;
    bool pairsOk = false;
    if (bytes.size() <= kLargestMarker && lines.size() == 4 && lines[0] == kMarkerHeader && lines[3].isEmpty()) {
        marker.stockSize = lines[1].toLongLong(&stockOk);
        marker.pairSize = lines[2].toLongLong(&pairsOk);
    }
    const bool valid = stockOk && pairsOk && marker.stockSize >= 0 && marker.pairSize >= 0;
    marker.state = valid ? Marker::State::Valid : Marker::State::Garbage;
    return valid;
}

bool SaveJournal::newFilesMatch(const Marker& marker) const
{
    // A new file already moved into place is no longer there to compare.
    auto matches = [](const QString& path, qint64 size) {
        const QFileInfo info(path);
        return !info.exists() || info.size() == size;
    };
    return matches(newStockPath(), marker.stockSize) && matches(newPairPath(), marker.pairSize);
}

QString SaveJournal::commit() const
{
    const QString stock = stockPath();
    const QString pairs = pairPath();
    const QString newStock = newStockPath();
    const QString newPairs = newPairPath();
    const QString old = oldStockPath();
    auto dropNewFiles = [&] {
        FileSystem::remove(newStock);
        FileSystem::remove(newPairs);
    };
    auto unchanged = [&](const QString& path, const QString& reason) {
        return QCoreApplication::translate(
                   "SaveJournal",
                   "Die Datei %1 konnte nicht ersetzt werden: %2\n\nDie bisherigen Dateien sind "
                   "unverändert geblieben.")
            .arg(quoted(path), reason);
    };

    const QByteArray marker = QByteArray(kMarkerHeader) + '\n' + QByteArray::number(QFileInfo(newStock).size()) + '\n'
        + QByteArray::number(QFileInfo(newPairs).size()) + '\n';
    const QString markerTemporary = markerPath() + QLatin1String(kTemporaryMarker) + QStringLiteral("new");
    const WriteOutcome written = writeSyncedFile(
        markerTemporary, markerPath(), [&marker](QIODevice& device) { return device.write(marker) == marker.size(); });
    if (!written.ok) {
        dropNewFiles();
        return unchanged(markerPath(), written.reason);
    }
    if (const int failed = FileSystem::replace(markerTemporary, markerPath()); failed != 0) {
        FileSystem::remove(markerTemporary);
        dropNewFiles();
        return unchanged(markerPath(), reasonOf(failed));
    }

    // Committed: the new pair wins from here on. Should a step fail while the program runs (on
    // Windows a file another program holds open cannot be replaced), the old pair comes back;
    // the marker goes first, so that a crash in the middle of that, too, ends with the old pair.
    auto backToOld = [&](const QString& path, int failed) {
        if (FileSystem::remove(markerPath()) != 0) {
            return QCoreApplication::translate(
                       "SaveJournal",
                       "Die Datei %1 konnte nicht ersetzt werden: %2\n\nDie neuen Dateien sind "
                       "vollständig gespeichert und werden beim nächsten Speichern oder Start an "
                       "ihren Platz gebracht.")
                .arg(quoted(path), reasonOf(failed));
        }
        if (exists(old))
            FileSystem::replace(old, stock); // failing, the next start puts it back
        dropNewFiles();
        return unchanged(path, reasonOf(failed));
    };
    const bool hadStock = exists(stock);
    if (hadStock) {
        if (const int failed = FileSystem::replace(stock, old); failed != 0)
            return backToOld(stock, failed);
    }
    if (const int failed = FileSystem::replace(newStock, stock); failed != 0)
        return backToOld(stock, failed);
    if (const int failed = FileSystem::replace(newPairs, pairs); failed != 0)
        return backToOld(pairs, failed);
    // Both in place. The old stock file goes before the marker: an old stock file without a
    // marker would be taken for an interrupted save and put back. Either left over, the next
    // recovery takes it away.
    if (FileSystem::remove(old) == 0)
        FileSystem::remove(markerPath());
    return {};
}

QString SaveJournal::rollForward() const
{
    const QString newStock = newStockPath();
    const QString newPairs = newPairPath();
    auto notFinished = [](const QString& path, int failed) {
        return QCoreApplication::translate(
                   "SaveJournal",
                   "Das letzte Speichern wurde unterbrochen und konnte nicht abgeschlossen werden: "
                   "Die Datei %1 konnte nicht ersetzt werden: %2")
            .arg(quoted(path), reasonOf(failed));
    };
    if (exists(newStock)) {
        if (const int failed = FileSystem::replace(newStock, stockPath()); failed != 0)
            return notFinished(stockPath(), failed);
    }
    if (exists(newPairs)) {
        if (const int failed = FileSystem::replace(newPairs, pairPath()); failed != 0)
            return notFinished(pairPath(), failed);
    }
    if (const int failed = FileSystem::remove(oldStockPath()); failed != 0)
        return notFinished(oldStockPath(), failed);
    FileSystem::remove(markerPath() + QLatin1String(kTemporaryMarker) + QStringLiteral("new"));
    FileSystem::remove(markerPath());
    return {};
}

QString SaveJournal::rollBack() const
{
    if (exists(oldStockPath())) {
        if (const int failed = FileSystem::replace(oldStockPath(), stockPath()); failed != 0) {
            return QCoreApplication::translate(
                       "SaveJournal",
                       "Das letzte Speichern wurde unterbrochen, und die bisherige Datei %1 konnte "
                       "nicht an ihren Platz zurückgebracht werden: %2")
                .arg(quoted(oldStockPath()), reasonOf(failed));
        }
    }
    // Never committed: the new files and the marker's own temporary are what the save had got to.
    FileSystem::remove(newStockPath());
    FileSystem::remove(newPairPath());
    FileSystem::remove(markerPath() + QLatin1String(kTemporaryMarker) + QStringLiteral("new"));
    return {};
}

QString SaveJournal::recover() const
{
    Marker marker;
    readMarker(marker);
    switch (marker.state) {
    case Marker::State::Unreadable:
        return QCoreApplication::translate("SaveJournal",
                                           "Die Datei %1 des letzten Speicherns kann nicht gelesen werden: %2")
            .arg(quoted(markerPath()), marker.problem);
    case Marker::State::Valid:
        if (newFilesMatch(marker))
            return rollForward();
        [[fallthrough]]; // a new file is not what was committed: the old pair is still whole
    case Marker::State::Garbage:
        if (QString problem = rollBack(); !problem.isEmpty())
            return problem;
        FileSystem::remove(markerPath());
        return {};
    case Marker::State::Absent:
        break;
    }
    return rollBack();
}

SaveJournal::Files SaveJournal::current() const
{
    Marker marker;
    if (readMarker(marker) && newFilesMatch(marker)) {
        return {exists(newStockPath()) ? newStockPath() : stockPath(),
                exists(newPairPath()) ? newPairPath() : pairPath()};
    }
    return {exists(oldStockPath()) ? oldStockPath() : stockPath(), pairPath()};
}
