#include "app/ExportTool.h"

#include "app/export/ExportRun.h"
#include "core/files/DataFiles.h"
#include "core/files/DataFolder.h"
#include "core/files/DataSetNames.h"
#include "core/files/FileSystem.h"
#include "core/files/SafeWrite.h"
#include "core/files/SaveJournal.h"
#include "core/records/RecordsDatabase.h"
#include "core/stock/StockDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cerrno>

namespace {

QString usage()
{
    //: Command and option names (pedigree, --data, ring|year …) stay as they are.
    return QCoreApplication::translate(
        "ExportTool",
        "Aufruf:\n"
        "  avelor-export [--data ORDNER] pedigree RING... -o DATEI\n"
        "  avelor-export [--data ORDNER] recordsheet RING -o DATEI\n"
        "  avelor-export [--data ORDNER] stocklist [--by ring|year] [--breed RASSE] [--layout one|two] -o DATEI\n"
        "  avelor-export [--data ORDNER] pairsheet N -o DATEI\n"
        "  avelor-export [--data ORDNER] cagecards (--pair N... | RING...) [--size a6|a7|card] -o DATEI\n"
        "  avelor-export [--data ORDNER] csv stock|breeding|shows -o DATEI\n"
        "  avelor-export [--data ORDNER] inbreeding RING...\n"
        "  avelor-export [--data ORDNER] inbreeding --pair HAHN HENNE\n"
        "  avelor-export [--data ORDNER] check\n"
        "  avelor-export [--data ORDNER] shows [--year JAHR]\n"
        "  avelor-export [--data ORDNER] sales [--year JAHR]\n"
        "  avelor-export [--data ORDNER] location [ORT]\n"
        "  avelor-export [--data ORDNER] rings [--year JAHR]\n"
        "  avelor-export [--data ORDNER] entries AUSSTELLUNG -o DATEI\n"
        "  avelor-export [--data ORDNER] labels AUSSTELLUNG [--sheet 3x8|3x7] -o DATEI\n"
        "  avelor-export [--data ORDNER] due [--date JJJJ-MM-TT] [--days N]\n"
        "  avelor-export [--data ORDNER] season JAHR\n"
        "  avelor-export [--data ORDNER] mates RING [--breed RASSE] [--limit N]\n"
        "  avelor-export [--data ORDNER] colours --pair HAHN HENNE [--crossover ANTEIL] [--phase coupling|repulsion]\n"
        "  avelor-export colours --cock ANLAGEN --hen ANLAGEN [--crossover ANTEIL]\n"
        "  avelor-export --version\n"
        "\n"
        "Schreibt Abstammungsnachweise (eine Seite je Ring), ein Stammblatt, die\n"
        "Bestandsliste oder das Blatt des N-ten Zuchtpaares (gezählt ab 1); cagecards die\n"
        "Käfigkarten von Zuchtpaaren oder einzelnen Vögeln, mehrere je A4-Blatt (a7, wenn\n"
        "--size fehlt). DATEI endet auf\n"
        ".pdf oder .png, die Bestandsliste auch auf .html, pedigree für einen Ring auch auf .json\n"
        "(die Stammbaumdatei für den Käufer); csv schreibt den Bestand, die\n"
        "Zuchtdaten oder die Ausstellungsergebnisse für eine Tabellenkalkulation. inbreeding\n"
        "gibt je Ring eine Zeile aus: Ring, Tabulator, Inzuchtkoeffizient als Dezimalbruch;\n"
        "mit --pair den der Jungen eines Paares. check meldet Auffälligkeiten im Bestand.\n"
        "shows gibt je Ausstellungsergebnis, sales je abgegebenem Vogel eine Zeile mit\n"
        "Tabulatoren aus; due die fälligen Arbeiten der Zucht, season die Zahlen der Paare\n"
        "eines Jahres, mates die Partner eines Vogels, die am wenigsten verwandten zuerst.\n"
        "location gibt je Vogel im Bestand eine Zeile aus: Ring, Standort, seit (JJJJ-MM-TT);\n"
        "mit ORT nur die Vögel dort. rings gibt je Ringlieferung eine Zeile aus: Jahr,\n"
        "Verband, Größe, erster und letzter Ring, benutzt, frei. entries schreibt den\n"
        "Meldebogen der zuletzt eingetragenen Ausstellung dieses Namens (als .csv die\n"
        "Meldungen mit Punkten), labels ihre Käfigetiketten auf A4-Etikettenbögen\n"
        "(3x8: 70 × 37 mm, 3x7: 70 × 42,3 mm; 3x8, wenn --sheet fehlt).\n"
        "colours gibt je Art Junge eines Paares eine Zeile aus: Hahn oder Henne, Anteil,\n"
        "sichtbare und verdeckte Anlagen, Farbe; ANLAGEN wie \"braun,/opal\" (\"/\": spalterbig).\n"
        "Mehrere Seiten als PNG werden zu DATEI-1.png, DATEI-2.png usw.\n"
        "Ohne --data wird der Datenordner des Programms gelesen; es wird dort nie etwas\n"
        "geschrieben. Mehr in der Handbuchseite: man avelor-export\n"
        "\n"
        "Rückgabewerte: 0 erledigt (check: nichts gefunden), 1 ein Ring oder Zuchtpaar ist\n"
        "nicht im Bestand (check: etwas gefunden), 2 falscher Aufruf, 3 Daten nicht lesbar\n"
        "oder Datei nicht schreibbar.\n");
}

// Options that take a value.
const QStringList kValueOptions
    = {"--data",  "-o",     "--by",  "--breed",     "--layout", "--year", "--date", "--days",
       "--limit", "--cock", "--hen", "--crossover", "--phase",  "--size", "--sheet"};

QList<ExportCommand> commands()
{
    return reportCommands() + tableCommands() + seasonCommands() + colourCommands() + showCommands();
}

// Which suffixes the output file may have, as a whole sentence for each count.
QString suffixProblem(const QStringList& types)
{
    if (types.size() == 1)
        return QCoreApplication::translate("ExportTool", "Die Ausgabedatei (-o) muss auf .%1 enden.").arg(types[0]);
    if (types.size() == 2)
        return QCoreApplication::translate("ExportTool", "Die Ausgabedatei (-o) muss auf .%1 oder .%2 enden.")
            .arg(types[0], types[1]);
    return QCoreApplication::translate("ExportTool", "Die Ausgabedatei (-o) muss auf .%1 oder .%2 oder .%3 enden.")
        .arg(types[0], types[1], types.mid(2).join(QStringLiteral(" oder .")));
}

// Fills the request; an error text when the words are off.
QString parse(const QStringList& arguments, ExportRequest& request, ExportCommand& command)
{
    QStringList given; // every option, in the order given
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString word = arguments[i];
        QString value;
        bool withValue = false;
        if (const qsizetype equals = word.indexOf(QLatin1Char('='));
            word.startsWith(QLatin1String("--")) && equals > 0) {
            value = word.mid(equals + 1);
            word = word.left(equals);
            withValue = true;
        } else if (kValueOptions.contains(word)) {
            if (i + 1 >= arguments.size())
                return QCoreApplication::translate("ExportTool", "Nach %1 fehlt eine Angabe.").arg(word);
            value = arguments[++i];
            withValue = true;
        }
        const bool option = kValueOptions.contains(word) || word == QLatin1String("--pair");
        if (option && given.contains(word))
            return QCoreApplication::translate("ExportTool", "%1 ist mehrfach angegeben.").arg(word);
        if (kValueOptions.contains(word)) {
            // No factors at all is a bird's factors too; every other option needs its value.
            const bool mayBeEmpty = word == QLatin1String("--cock") || word == QLatin1String("--hen");
            if (value.trimmed().isEmpty() && !mayBeEmpty)
                return QCoreApplication::translate("ExportTool", "Nach %1 fehlt eine Angabe.").arg(word);
            request.options.insert(word, value);
        } else if (word == QLatin1String("--pair")) {
            if (withValue)
                return QCoreApplication::translate("ExportTool",
                                                   "--pair nimmt keinen Wert; die zwei Ringnummern folgen dem Befehl.");
            request.pair = true;
        } else if (word.startsWith(QLatin1Char('-')) && word.size() > 1) {
            return QCoreApplication::translate("ExportTool", "Unbekannte Angabe „%1“.").arg(word);
        } else if (request.command.isEmpty()) {
            request.command = word;
        } else {
            request.words << word;
        }
        if (option)
            given << word;
    }
    if (request.command.isEmpty())
        return QCoreApplication::translate("ExportTool", "Es fehlt der Befehl.");
    const QList<ExportCommand> known = commands();
    const auto it = std::find_if(known.begin(), known.end(), [&request](const ExportCommand& c) {
        return request.command == QLatin1String(c.name);
    });
    if (it == known.end())
        return QCoreApplication::translate("ExportTool", "Unbekannter Befehl „%1“.").arg(request.command);
    command = *it;
    // An option a command does not take would be ignored without a word: it is refused.
    QStringList taken = command.options;
    taken << QStringLiteral("--data");
    if (!command.outputTypes.isEmpty())
        taken << QStringLiteral("-o");
    for (const QString& option : given) {
        if (!taken.contains(option))
            return QCoreApplication::translate("ExportTool", "%1 nimmt die Angabe %2 nicht.")
                .arg(request.command, option);
    }
    if (const QString wrong = command.check(request); !wrong.isEmpty())
        return wrong;
    if (command.outputTypes.isEmpty())
        return {}; // writes to the standard output
    if (request.output().isEmpty() || !command.outputTypes.contains(request.suffix()))
        return suffixProblem(command.outputTypes);
    return {};
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

// Why a data folder cannot be read, or an empty text.
QString folderProblem(const QString& folder, const QString& stockPath)
{
    switch (FileSystem::statError(folder)) {
    case 0:
        break;
    case ENOENT:
        return QCoreApplication::translate("ExportTool", "Den Datenordner „%1“ gibt es nicht.").arg(native(folder));
    default:
        return QCoreApplication::translate("ExportTool", "Der Datenordner „%1“ kann nicht gelesen werden: %2")
            .arg(native(folder), fileErrorText(QFileDevice::ReadError, QString(), FileSystem::statError(folder)));
    }
    if (!QFileInfo(folder).isDir())
        return QCoreApplication::translate("ExportTool", "„%1“ ist kein Ordner.").arg(native(folder));
    switch (const int error = FileSystem::statError(stockPath)) {
    case 0:
        return {};
    case ENOENT:
        return QCoreApplication::translate("ExportTool", "Die Bestandsdatei „%1“ gibt es nicht.")
            .arg(native(stockPath));
    default:
        return QCoreApplication::translate("ExportTool", "Der Datenordner „%1“ kann nicht gelesen werden: %2")
            .arg(native(folder), fileErrorText(QFileDevice::ReadError, QString(), error));
    }
}

} // namespace

int runExport(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    std::unique_ptr<StockDocument> stock;
    return runExport(arguments, out, err, stock);
}

int runExport(const QStringList& arguments, QTextStream& out, QTextStream& err, std::unique_ptr<StockDocument>& keep)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        out << usage();
        return Done;
    }
    if (arguments.contains(QLatin1String("--version"))) {
        out << QStringLiteral("avelor-export ") << QStringLiteral(AVELOR_VERSION) << '\n';
        return Done;
    }
    ExportRequest request;
    ExportCommand command;
    if (const QString wrong = parse(arguments, request, command); !wrong.isEmpty()) {
        err << wrong << "\n\n" << usage();
        return WrongUse;
    }
    QString folder = request.has("--data") ? request.option("--data") : DataFolder::path();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    if (command.needsStock && !command.needsStock(request)) {
        StockDocument none {StockData(), DataFiles(folder)};
        ExportRun run(request, none, out, err);
        return command.run(run);
    }

    // The same reading as the program's start, but only reading: a damaged file is reported, and
    // nothing in the data folder is written or deleted, whether the program runs or not.
    DataFiles files(folder);
    // Where an interrupted save left the stock, the repair at the next start will look too.
    if (const QString problem = folderProblem(folder, SaveJournal(folder).current().stock); !problem.isEmpty()) {
        err << problem << '\n';
        return FileProblem;
    }
    StockData db;
    // A certificate of one bird in a large stock reads that bird and its ancestors, not the whole stock.
    const bool ancestriesOnly = command.needsAncestriesOnly && command.needsAncestriesOnly(request);
    const DataFiles::StartupResult loaded
        = ancestriesOnly ? files.loadAncestries(request.words, db) : files.load(db, DataFiles::Access::ReadOnly);
    for (const QString& message : loaded.messages)
        err << message << '\n';
    // A check needs the whole stock: what a damaged file lost cannot be checked.
    if (loaded.terminate || (request.command == QLatin1String("check") && !loaded.messages.isEmpty()))
        return FileProblem;
    // Records only for the commands that show them: what cannot be read fails those, and no other.
    auto records = std::make_unique<RecordsDatabase>();
    if (command.needsRecords && command.needsRecords(request)) {
        const auto opened = records->open(folder + DataSetNames::RecordsFile, RecordsDatabase::Access::ReadOnly);
        if (!opened.available) {
            err << opened.message << '\n';
            return FileProblem;
        }
    }
    keep = std::make_unique<StockDocument>(std::move(db), std::move(files), std::move(records));
    ExportRun run(request, *keep, out, err);
    const int code = command.run(run);
    if (code == Done && !run.recordsIntact())
        return FileProblem;
    return code;
}
