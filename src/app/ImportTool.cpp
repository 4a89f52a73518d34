#include "app/ImportTool.h"

#include "core/files/DataFolder.h"
#include "core/files/DataFolderLock.h"
#include "core/files/DataSetNames.h"
#include "core/import/PedigreeImport.h"
#include "core/import/StockImport.h"
#include "core/model/AppInfo.h"
#include "core/stock/StockDocument.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

enum ImportExit
{
    Imported = 0,
    RowErrors = 1,
    WrongUse = 2,
    FileProblem = 3,
    FolderInUse = 4,
};

QString usage()
{
    //: Command and option names (--data, --dry-run, csv stock …) stay as they are.
    return QCoreApplication::translate(
        "ImportTool",
        "Aufruf:\n"
        "  avelor-import [--data ORDNER] [--dry-run] [--keep] DATEI...\n"
        "  avelor-import --version\n"
        "\n"
        "Liest Tabellen (CSV, etwa aus einer Tabellenkalkulation oder aus avelor-export csv stock)\n"
        "in den Bestand ein: neue Ringnummern kommen hinzu, bekannte bekommen die Felder, die die\n"
        "Datei füllt; Verbleib und Erbanlagen kommen in die Zusatzdaten, ebenso die\n"
        "Ausstellungsergebnisse aus avelor-export csv shows. Die Spalten werden an ihren\n"
        "Überschriften erkannt. Je Zeile mit einem Problem eine Zeile \"Zeile N: …\", zuletzt\n"
        "die Zusammenfassung. Hat eine Zeile einen\n"
        "Fehler, wird nichts eingelesen. Eine Stammbaumdatei (.json, von avelor-export pedigree)\n"
        "bringt einen gekauften Vogel mit seinen Ahnen; Gespeichertes bleibt dabei, wie es ist.\n"
        "  --dry-run  nur prüfen, nichts schreiben\n"
        "  --keep     gespeicherte Werte behalten, wo die Datei andere hat (sonst überschreiben)\n"
        "Ohne --data wird der Datenordner des Programms benutzt; während das Programm ihn\n"
        "geöffnet hat, wird nichts eingelesen. Mehr in der Handbuchseite: man avelor-import\n"
        "\n"
        "Rückgabewerte: 0 alles eingelesen, 1 eine Zeile war fehlerhaft (nichts eingelesen),\n"
        "2 falscher Aufruf, 3 Daten oder Datei nicht lesbar oder nicht schreibbar, 4 Datenordner\n"
        "wird gerade benutzt.\n");
}

struct Request
{
    QString folder;
    bool dryRun = false;
    bool keep = false;
    QStringList files;
};

std::optional<Request> parse(const QStringList& arguments, QString& problem)
{
    Request r;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--data")) {
            if (++i >= arguments.size()) {
                problem = QCoreApplication::translate("ImportTool", "--data nimmt einen Ordner.");
                return std::nullopt;
            }
            r.folder = arguments[i];
        } else if (a == QLatin1String("--dry-run")) {
            r.dryRun = true;
        } else if (a == QLatin1String("--keep")) {
            r.keep = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            problem = QCoreApplication::translate("ImportTool", "Unbekannte Option %1.").arg(a);
            return std::nullopt;
        } else {
            r.files << a;
        }
    }
    if (r.files.isEmpty()) {
        problem = QCoreApplication::translate("ImportTool", "Keine Datei zum Einlesen angegeben.");
        return std::nullopt;
    }
    if (r.folder.isEmpty())
        r.folder = DataFolder::path();
    if (!r.folder.endsWith(QLatin1Char('/')))
        r.folder += QLatin1Char('/');
    return r;
}

} // namespace

int runImport(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        out << usage();
        return Imported;
    }
    if (arguments.contains(QLatin1String("--version"))) {
        out << QStringLiteral("avelor-import ") << AppInfo::Version << '\n';
        return Imported;
    }
    QString problem;
    const std::optional<Request> request = parse(arguments, problem);
    if (!request) {
        err << problem << "\n\n" << usage();
        return WrongUse;
    }
    // The program holds the folder while it runs: two writers would save over each other.
    DataFolderLock lock(request->folder);
    if (!lock.tryLock()) {
        err << lock.refusal() << '\n';
        return FolderInUse;
    }
    DataFiles files(request->folder);
    StockData db;
    const DataFiles::StartupResult loaded = files.load(db);
    for (const QString& message : loaded.messages)
        err << message << '\n';
    // A damaged stock is never saved over with what could be read of it.
    if (loaded.terminate || !loaded.messages.isEmpty())
        return FileProblem;
    // Whereabouts, factors and show results go to the records; a trial run works on a copy of them.
    auto records = std::make_unique<RecordsDatabase>();
    const QString recordsPath = request->folder + DataSetNames::RecordsFile;
    if (request->dryRun) {
        if (QFileInfo::exists(recordsPath)) {
            if (const QString failure = records->replaceFrom(recordsPath); !failure.isEmpty()) {
                err << failure << '\n';
                return FileProblem;
            }
        }
    } else if (const auto opened = records->open(recordsPath, RecordsDatabase::Access::Owner);
               !opened.message.isEmpty()) {
        err << opened.message << '\n';
    }
    StockDocument stock(std::move(db), std::move(files), std::move(records));

    ImportPlan total;
    // Each file is a step of its own; a later failure takes the earlier ones back, so that nothing stays.
    int imported = 0;
    const auto takeBack = [&stock, &imported] {
        while (imported-- > 0)
            stock.undo();
    };
    for (const QString& path : request->files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            err << QCoreApplication::translate("ImportTool", "Die Datei %1 kann nicht gelesen werden: %2")
                       .arg(path, file.errorString())
                << '\n';
            return FileProblem;
        }
        const QByteArray bytes = file.readAll();
        const bool pedigree = path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive);
        CsvTable table;
        ImportOptions options {.overwrite = !request->keep};
        if (pedigree) {
            const std::optional<PedigreeRows> rows = readPedigreeFile(bytes, problem);
            if (!rows) {
                err << path << ": " << problem << '\n';
                return FileProblem;
            }
            table = rows->table;
            options.overwrite = false; // a bought bird's papers fill in, they never overwrite what is known
            out << QCoreApplication::translate("ImportTool", "Stammbaum von %1, abgegeben von %2")
                       .arg(rows->subject, rows->seller)
                << '\n';
        } else {
            table = readCsv(bytes);
        }
        const ImportPlan plan = planStockImport(stock, table, mapColumns(table.header), options);
        const QString prefix = request->files.size() > 1 ? path + QStringLiteral(": ") : QString();
        const auto at = [pedigree](int line, const QString& text) {
            return (pedigree ? QCoreApplication::translate("ImportTool", "Vogel %1: %2")
                             : QCoreApplication::translate("ImportTool", "Zeile %1: %2"))
                .arg(line)
                .arg(text);
        };
        for (const ImportRow& row : plan.rows) {
            if (!row.problem.isEmpty())
                out << prefix << at(row.line, row.problem) << '\n';
            for (const QString& note : row.notes)
                out << prefix << at(row.line, note) << '\n';
            if (!row.keptFields.isEmpty())
                out << prefix
                    << at(row.line,
                          QCoreApplication::translate("ImportTool",
                                                      "%1: anders in der Datei, das Gespeicherte bleibt: %2")
                              .arg(row.ring, row.keptFields.join(QStringLiteral(", "))))
                    << '\n';
        }
        if (!plan.unknownParents.isEmpty())
            out << prefix
                << QCoreApplication::translate("ImportTool",
                                               "Eltern, die weder im Bestand noch in der Datei stehen: %1")
                       .arg(plan.unknownParents.join(QStringLiteral(", ")))
                << '\n';
        // Later files see what the earlier ones bring, as they would one after the other.
        if (!plan.hasErrors() && plan.bringsChanges()) {
            if (const QString failure = importStock(stock, plan); !failure.isEmpty()) {
                err << prefix << failure << '\n';
                takeBack();
                return FileProblem;
            }
            ++imported;
        }
        total.rows.insert(total.rows.end(), plan.rows.begin(), plan.rows.end());
    }
    out << total.summary() << '\n';
    if (total.hasErrors()) {
        takeBack();
        return RowErrors;
    }
    if (request->dryRun)
        return Imported;
    if (const DataFiles::SaveResult saved = stock.save(); !saved.ok) {
        err << saved.message << '\n';
        takeBack();
        return FileProblem;
    }
    return Imported;
}
