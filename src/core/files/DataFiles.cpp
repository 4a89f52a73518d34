#include "core/files/DataFiles.h"

#include "core/files/DataSetNames.h"
#include "core/files/PairFile.h"
#include "core/files/SafeWrite.h"
#include "core/files/StockFile.h"
#include "core/model/SpeciesWords.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

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

DataFiles::DataFiles(QString folder) : m_folder(std::move(folder)) { }

QString DataFiles::stockPath() const
{
    return m_folder + DataSetNames::StockFile;
}

QString DataFiles::pairPath() const
{
    return m_folder + DataSetNames::PairFile;
}

QString DataFiles::incompatibleVersionMessage()
{
    return QStringLiteral("Ihre Version der Datenbank ist mit dieser Version nicht kompatibel. Bitte kontaktieren "
                          "Sie den Autor unter ")
        + SpeciesWords::WebPage + QStringLiteral(". Die Daten können dann ins neue Format konvertiert werden.");
}

QString DataFiles::keepDamagedCopy(FileKind kind, QString& failure)
{
    const QString path = kind == FileKind::Stock ? stockPath() : pairPath();
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

QString DataFiles::damagedMessage(FileKind kind, const QString& problem, const QString& detail)
{
    const QString path = kind == FileKind::Stock ? stockPath() : pairPath();
    QString text = QStringLiteral("Die Datei ") + quoted(path)
        + QStringLiteral(" ist beschädigt und konnte nicht vollständig gelesen werden (") + problem
        + QStringLiteral(").\n\n") + detail;
    QString failure;
    const QString copy = keepDamagedCopy(kind, failure);
    bool& needsCopy = kind == FileKind::Stock ? m_stockNeedsCopy : m_pairsNeedCopy;
    needsCopy = copy.isEmpty();
    if (copy.isEmpty()) {
        text += QStringLiteral("\n\nEine Kopie der Originaldatei konnte nicht angelegt werden: ") + failure
            + QStringLiteral(" Die Datei wird erst überschrieben, wenn diese Kopie beim Speichern gelingt.");
    } else {
        text += QStringLiteral("\n\nDie Originaldatei wurde unverändert aufbewahrt als ") + quoted(copy)
            + QLatin1Char('.');
    }
    return text;
}

DataFiles::StartupResult DataFiles::load(Database& db)
{
    StartupResult result;
    FileImage stock;
    readWhole(stockPath(), stock);
    if (!stock.exists) {
        db.animals.clear();
        db.breeder = {};
        db.print = PrintSettings::defaults();
    } else {
        const StockFile::ReadResult read = stock.readable
            ? StockFile::read(stock.bytes, db)
            : StockFile::ReadResult {StockFile::ReadStatus::Damaged, stock.error, 0};
        if (read.status == StockFile::ReadStatus::WrongVersion) {
            result.terminate = true;
            result.messages << incompatibleVersionMessage();
            return result;
        }
        if (read.status == StockFile::ReadStatus::Damaged) {
            const QString detail = QStringLiteral("Gelesen wurden %1 von %2 %3. Das Programm arbeitet mit den "
                                                  "gelesenen Daten weiter.")
                                       .arg(db.animals.size())
                                       .arg(read.declaredCount)
                                       .arg(SpeciesWords::Plural);
            result.messages << damagedMessage(FileKind::Stock, read.problem, detail);
        }
    }

    // Only now that this run will keep the files: leftovers of a save a crash interrupted.
    removeStrayTemporaries(stockPath());
    removeStrayTemporaries(pairPath());

    // A damaged pair file gives an empty pair table.
    FileImage pairs;
    readWhole(pairPath(), pairs);
    db.pairs.clear();
    if (pairs.exists) {
        const PairFile::ReadResult read
            = pairs.readable ? PairFile::read(pairs.bytes, db.pairs) : PairFile::ReadResult {false, pairs.error};
        if (!read.complete) {
            db.pairs.clear();
            result.messages << damagedMessage(
                FileKind::Pairs, read.problem,
                QStringLiteral("Die Zuchtpaare wurden nicht geladen; das Programm beginnt mit einer leeren "
                               "Zuchtpaar-Liste."));
        }
    }
    return result;
}

DataFiles::SaveResult DataFiles::save(const Database& db)
{
    // A folder removed while the program ran is made again rather than losing the data.
    QDir().mkpath(m_folder);
    const struct
    {
        FileKind kind;
        QString path;
        bool* needsCopy;
        std::function<bool(QIODevice&)> writer;
    } files[] = {
        {FileKind::Stock, stockPath(), &m_stockNeedsCopy,
         [&db](QIODevice& d) {
             return StockFile::write(d, db);
         }},
        {FileKind::Pairs, pairPath(), &m_pairsNeedCopy,
         [&db](QIODevice& d) {
             return PairFile::write(d, db.pairs);
         }},
    };
    for (const auto& file : files) {
        if (*file.needsCopy) {
            QString failure;
            if (keepDamagedCopy(file.kind, failure).isEmpty()) {
                return {
                    false,
                    QStringLiteral("Die Datei ") + quoted(file.path)
                        + QStringLiteral(" wurde nicht gespeichert, weil von der beim Start beschädigten Datei keine "
                                         "Kopie angelegt werden kann: ")
                        + failure};
            }
            *file.needsCopy = false;
        }
        const WriteOutcome outcome = writeFileSafely(file.path, file.writer);
        if (!outcome.ok) {
            return {false,
                    QStringLiteral("Die Datei ") + quoted(file.path)
                        + QStringLiteral(" konnte nicht gespeichert werden: ") + outcome.reason
                        + QStringLiteral("\n\nDie bisherige Datei ist unverändert geblieben.")};
        }
    }
    return {};
}
