// Any bytes as the records file, opened, checked and read as at a start: by
// a reader beside the program, then by the program. Each either reads it
// whole, refuses it and leaves it byte for byte, or (the program only, and
// only for a damaged file) sets it aside byte for byte. Five bytes "V" and a
// number make a sound file of that user_version.
#include "core/records/RecordsDatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

QString folder;
QByteArray soundFile;

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

void readEverything(const RecordsDatabase& db)
{
    db.allWhereabouts();
    db.departures();
    db.allShowResults();
    db.shows();
    db.allColourFactors();
    db.rings();
    for (const QString& ring : db.rings()) {
        db.showResults(ring);
        db.colourFactors(ring);
        db.hasRecords(ring);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Memory-backed where the system has it: the target writes a file for every input.
    const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir dir(base + QStringLiteral("/avelor-fuzz-XXXXXX"));
    folder = dir.path() + QLatin1Char('/');
    RecordsDatabase db;
    db.open(folder + QStringLiteral("vorlage.db"), RecordsDatabase::Access::Owner);
    ShowResult result {0, QStringLiteral("R-1"), QDate(2026, 11, 14), QStringLiteral("Schau"), {}, 180, {}, 1};
    db.addShowResult(result);
    db.changeRecordsOf(QStringLiteral("R-1"), QStringLiteral("R-1"),
                       {.factors = FactorStates {{"opal", FactorState::Carrier}}});
    soundFile = bytesOf(folder + QStringLiteral("vorlage.db"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (size == 5 && data[0] == 'V') {
        bytes = soundFile;
        std::memcpy(bytes.data() + 60, data + 1, 4); // the header's user_version
    }
    const QString path = folder + QStringLiteral("zusatzdaten.db");
    for (const QString& name : QDir(folder).entryList({QStringLiteral("zusatzdaten.db*")}, QDir::Files))
        QFile::remove(folder + name);
    put(path, bytes);

    {
        RecordsDatabase reader;
        const RecordsDatabase::OpenResult opened = reader.open(path, RecordsDatabase::Access::ReadOnly);
        if (opened.available != opened.message.isEmpty())
            std::abort();
        readEverything(reader);
        if (bytesOf(path) != bytes) // a reader changes nothing, whatever it found
            std::abort();
    }
    RecordsDatabase program;
    const RecordsDatabase::OpenResult opened = program.open(path, RecordsDatabase::Access::Owner);
    readEverything(program);
    const QStringList aside = QDir(folder).entryList({QStringLiteral("zusatzdaten.db.beschaedigt-*")}, QDir::Files);
    QByteArray kept;
    for (const QString& name : aside)
        if (!name.endsWith(QLatin1String("-journal")) && !name.endsWith(QLatin1String("-wal"))
            && !name.endsWith(QLatin1String("-shm")))
            kept = bytesOf(folder + name);
    if (!aside.isEmpty() && kept != bytes)
        std::abort(); // set aside, but not as it was
    if (!opened.available && aside.isEmpty() && bytesOf(path) != bytes)
        std::abort(); // refused, but changed
    if (opened.available && !opened.message.isEmpty() && aside.isEmpty())
        std::abort(); // told of something without a reason to
    if (opened.available) {
        Whereabouts w;
        w.ring = QStringLiteral("NEU");
        if (!program.setWhereabouts(w).isEmpty())
            std::abort(); // an opened file takes changes
    }
    return 0;
}
