#include "app/ExportTool.h"

#include "core/analysis/DataCheck.h"
#include "core/analysis/Inbreeding.h"
#include "core/export/CsvExport.h"
#include "core/files/DataFiles.h"
#include "core/files/DataFolder.h"
#include "core/files/DataSetNames.h"
#include "core/files/Preferences.h"
#include "core/files/SafeWrite.h"
#include "core/model/Dates.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"
#include "reports/engine/PictureDecoder.h"
#include "reports/engine/ReportOutput.h"
#include "reports/layouts/PairSheetReport.h"
#include "reports/layouts/PedigreeReport.h"
#include "reports/layouts/RecordSheetReport.h"
#include "reports/layouts/StockListReport.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>

namespace {

enum Exit
{
    Done = 0,
    NotFound = 1,
    WrongUse = 2,
    FileProblem = 3,
};

const char* const kUsage
    = "Aufruf:\n"
      "  avelor-export [--data ORDNER] pedigree RING... -o DATEI\n"
      "  avelor-export [--data ORDNER] recordsheet RING -o DATEI\n"
      "  avelor-export [--data ORDNER] stocklist [--by ring|year] [--breed RASSE] [--layout one|two] -o DATEI\n"
      "  avelor-export [--data ORDNER] pairsheet N -o DATEI\n"
      "  avelor-export [--data ORDNER] csv stock|breeding -o DATEI\n"
      "  avelor-export [--data ORDNER] inbreeding RING...\n"
      "  avelor-export [--data ORDNER] inbreeding --pair HAHN HENNE\n"
      "  avelor-export [--data ORDNER] check\n"
      "  avelor-export --version\n"
      "\n"
      "Schreibt Abstammungsnachweise (eine Seite je Ring), ein Stammblatt, die\n"
      "Bestandsliste oder das Blatt des N-ten Zuchtpaares (gezählt ab 1). DATEI endet auf\n"
      ".pdf oder .png, die Bestandsliste auch auf .html; csv schreibt den Bestand oder die\n"
      "Zuchtdaten für eine Tabellenkalkulation. inbreeding gibt je Ring eine Zeile aus: Ring,\n"
      "Tabulator, Inzuchtkoeffizient als Dezimalbruch; mit --pair den der Jungen eines Paares.\n"
      "check meldet Auffälligkeiten im Bestand. Mehrere Seiten als PNG werden zu\n"
      "DATEI-1.png, DATEI-2.png usw. Ohne --data wird der Datenordner des Programms gelesen.\n"
      "Mehr in der Handbuchseite: man avelor-export\n"
      "\n"
      "Rückgabewerte: 0 erledigt (check: nichts gefunden), 1 ein Ring oder Zuchtpaar ist\n"
      "nicht im Bestand (check: etwas gefunden), 2 falscher Aufruf, 3 Daten nicht lesbar\n"
      "oder Datei nicht schreibbar.\n";

// Options that take a value, and the commands with the output types they write.
const QStringList kValueOptions = {"--data", "-o", "--by", "--breed", "--layout"};
const QHash<QString, QStringList> kCommands = {
    {"pedigree", {"pdf", "png"}},
    {"recordsheet", {"pdf", "png"}},
    {"stocklist", {"pdf", "png", "html"}},
    {"pairsheet", {"pdf", "png"}},
    {"csv", {"csv"}},
    {"inbreeding", {}},
    {"check", {}},
};

struct Request
{
    QString command;
    QStringList words; // what follows the command
    QHash<QString, QString> options;
    bool pair = false;

    QString option(const char* name) const { return options.value(QString::fromLatin1(name)); }
    QString output() const { return option("-o"); }
    QString suffix() const { return QFileInfo(output()).suffix().toLower(); }
};

// Fills the request; an error text when the words are off.
QString parse(const QStringList& arguments, Request& request)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString word = arguments[i];
        QString value;
        if (const qsizetype equals = word.indexOf(QLatin1Char('='));
            word.startsWith(QLatin1String("--")) && equals > 0) {
            value = word.mid(equals + 1);
            word = word.left(equals);
        } else if (kValueOptions.contains(word)) {
            if (i + 1 >= arguments.size())
                return QStringLiteral("Nach %1 fehlt eine Angabe.").arg(word);
            value = arguments[++i];
        }
        if (kValueOptions.contains(word))
            request.options.insert(word, value);
        else if (word == QLatin1String("--pair"))
            request.pair = true;
        else if (word.startsWith(QLatin1Char('-')) && word.size() > 1)
            return QStringLiteral("Unbekannte Angabe „%1“.").arg(word);
        else if (request.command.isEmpty())
            request.command = word;
        else
            request.words << word;
    }
    if (!kCommands.contains(request.command))
        return QStringLiteral("Unbekannter Befehl „%1“.").arg(request.command);
    const QString& command = request.command;
    if (command == QLatin1String("pairsheet") && request.words.size() != 1)
        return QStringLiteral("Es fehlt die Nummer des Zuchtpaares (ab 1).");
    if (command == QLatin1String("csv")
        && (request.words.size() != 1 || !QStringList {"stock", "breeding"}.contains(request.words.first())))
        return QStringLiteral("csv schreibt stock oder breeding.");
    if (command == QLatin1String("inbreeding") && request.pair && request.words.size() != 2)
        return QStringLiteral("Nach --pair stehen der Ring des Hahns und der der Henne.");
    if (command == QLatin1String("check") && !request.words.isEmpty())
        return QStringLiteral("check nimmt keine weiteren Angaben.");
    if (command != QLatin1String("stocklist") && command != QLatin1String("check") && request.words.isEmpty())
        return QStringLiteral("Es fehlt die Ringnummer.");
    if (request.command == QLatin1String("recordsheet") && request.words.size() != 1)
        return QStringLiteral("Ein Stammblatt wird für genau eine Ringnummer geschrieben.");
    const QStringList& types = kCommands.value(request.command);
    if (types.isEmpty())
        return {}; // writes to the standard output
    if (request.output().isEmpty() || !types.contains(request.suffix()))
        return QStringLiteral("Die Ausgabedatei (-o) muss auf .%1 enden.").arg(types.join(QStringLiteral(" oder .")));
    return {};
}

QString pngName(const QString& output, int page, int pages)
{
    if (pages == 1)
        return output;
    const QFileInfo info(output);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('-') + QString::number(page + 1)
        + QLatin1Char('.') + info.suffix();
}

class Export
{
public:
    Export(const Request& request, StockDocument& stock, QTextStream& out, QTextStream& err)
        : m_request(request), m_stock(stock), m_out(out), m_err(err)
    { }

    int run()
    {
        const QString& command = m_request.command;
        if (command == QLatin1String("stocklist"))
            return stockList();
        if (command == QLatin1String("pairsheet"))
            return pairSheet();
        if (command == QLatin1String("csv"))
            return csv();
        if (command == QLatin1String("inbreeding"))
            return inbreeding();
        if (command == QLatin1String("check"))
            return check();
        return certificates(command == QLatin1String("pedigree"));
    }

private:
    int certificates(bool pedigree)
    {
        PedigreeReport certificate;
        RecordSheetReport sheet;
        std::vector<ReportPage> pages;
        // The certificate as the breeder set it up in the program.
        CertificateRequest request;
        request.preferences = Preferences::load(Preferences::defaultFile()).certificate;
        for (const QString& ring : m_request.words) {
            const PedigreeReport::FillResult filled = certificate.fill(m_stock, ring, request, &sheet);
            if (!filled.found) {
                m_err << QStringLiteral("Die Ringnummer „%1“ ist nicht im Bestand.\n").arg(ring);
                return NotFound;
            }
            if (!filled.error.isEmpty()) {
                m_err << filled.error << '\n';
                return FileProblem;
            }
            pages.push_back(pedigree ? certificate.page() : sheet.page());
        }
        return writePages(FixedPages(std::move(pages)));
    }

    int stockList()
    {
        const QString by = m_request.option("--by");
        const QString layoutName = m_request.option("--layout");
        if (!QStringList {"", "ring", "year"}.contains(by) || !QStringList {"", "one", "two"}.contains(layoutName)) {
            m_err << QStringLiteral("--by nimmt ring oder year, --layout one oder two.\n");
            return WrongUse;
        }
        StockListRequest list;
        list.order = by == QLatin1String("year") ? StockListOrder::ByBirthYear : StockListOrder::ByRing;
        if (m_request.suffix() == QLatin1String("html"))
            return writeFile([&](QIODevice& device) { return writeStockListHtml(m_stock, device, list.order); });
        list.layout = m_stock.printSettings().stockListLayout;
        if (!layoutName.isEmpty())
            list.layout = layoutName == QLatin1String("one") ? StockListLayout::OneLine : StockListLayout::TwoLines;
        if (m_request.options.contains(QStringLiteral("--breed")))
            list.breed = m_request.option("--breed");
        return writePages(*stockListPages(m_stock, list));
    }

    int pairSheet()
    {
        bool isNumber = false;
        const int number = m_request.words.first().toInt(&isNumber);
        if (!isNumber || number < 1 || number > int(m_stock.pairs().size())) {
            m_err << QStringLiteral("Ein Zuchtpaar %1 gibt es nicht; es gibt %2.\n")
                         .arg(m_request.words.first())
                         .arg(m_stock.pairs().size());
            return NotFound;
        }
        PairSheetReport report;
        report.fill(::pairSheet(m_stock.animals(), m_stock.pairs()[size_t(number - 1)]));
        return writePages(FixedPages({report.page()}));
    }

    int csv()
    {
        const QByteArray bytes = m_request.words.first() == QLatin1String("stock")
            ? stockCsv(m_stock.animals(),
                       csvOrder(m_stock.animals(), m_stock.alphabeticalRingOrder(), StockListOrder::ByRing))
            : breedingCsv(m_stock.pairs());
        return writeFile([&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
    }

    // One line per ring: the ring, a tab, F as a decimal fraction with six places.
    int inbreeding()
    {
        const InbreedingCalculator calculator(m_stock.animals(), m_stock.ringIndex());
        auto line = [this](const QString& what, const Inbreeding& f) {
            m_out << what << '\t' << QString::number(f.coefficient, 'f', 6) << '\n';
            if (f.cycleCut)
                m_err << QStringLiteral("Hinweis zu %1: Ein Tier ist sein eigener Vorfahr; diese Verbindung wurde "
                                        "übergangen.\n")
                             .arg(what);
        };
        int code = Done;
        auto known = [this, &code](const QString& ring) {
            if (m_stock.ringIndex().lastActiveWith(ring) >= 0)
                return true;
            m_err << QStringLiteral("Die Ringnummer „%1“ ist nicht im Bestand.\n").arg(ring);
            code = NotFound;
            return false;
        };
        if (m_request.pair) {
            // A misspelt ring must not look like an unrelated bird.
            const QString& cock = m_request.words[0];
            const QString& hen = m_request.words[1];
            if (known(cock) & known(hen))
                line(cock + QLatin1Char('\t') + hen, calculator.ofPair(cock, hen));
            return code;
        }
        for (const QString& ring : m_request.words) {
            if (known(ring))
                line(ring, calculator.of(m_stock.ringIndex().lastActiveWith(ring)));
        }
        return code;
    }

    int check()
    {
        const QStringList findings
            = checkData({m_stock.data(), m_stock.ringIndex(), m_stock.pictures().folder(), [](const QString& path) {
                             return decodePicture(path).error;
                         }});
        for (const QString& finding : findings)
            m_out << finding << '\n';
        if (findings.isEmpty())
            m_out << QStringLiteral("Keine Auffälligkeiten gefunden.\n");
        return findings.isEmpty() ? Done : NotFound;
    }

    int writePages(const ReportPages& pages)
    {
        const QString today = Dates::today();
        const QString& output = m_request.output();
        if (m_request.suffix() == QLatin1String("pdf")) {
            const ReportOutput::Outcome outcome = ReportOutput::writePdf(pages, output, today);
            return written(output, outcome.error);
        }
        for (int i = 0; i < pages.count(); ++i) {
            const QString name = pngName(output, i, pages.count());
            if (const int code = written(name, ReportOutput::writePng(pages.page(i), name, 150, today)); code != Done)
                return code;
        }
        return Done;
    }

    int writeFile(const std::function<bool(QIODevice&)>& writer)
    {
        return written(m_request.output(), writeFileSafely(m_request.output(), writer).reason);
    }

    int written(const QString& name, const QString& failure)
    {
        if (!failure.isEmpty()) {
            m_err << QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden: %2\n").arg(name, failure);
            return FileProblem;
        }
        m_out << QStringLiteral("Geschrieben: %1\n").arg(QDir::toNativeSeparators(name));
        return Done;
    }

    const Request& m_request;
    StockDocument& m_stock;
    QTextStream& m_out;
    QTextStream& m_err;
};

} // namespace

int runExport(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        out << kUsage;
        return Done;
    }
    if (arguments.contains(QLatin1String("--version"))) {
        out << QStringLiteral("avelor-export ") << QStringLiteral(AVELOR_VERSION) << '\n';
        return Done;
    }
    Request request;
    if (const QString wrong = parse(arguments, request); !wrong.isEmpty()) {
        err << wrong << "\n\n" << kUsage;
        return WrongUse;
    }
    QString folder = request.option("--data").isEmpty() ? DataFolder::path() : request.option("--data");
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');

    // The same reading as the program's start, but only reading: a damaged file is reported, and
    // nothing in the data folder is written or deleted, whether the program runs or not.
    DataFiles files(folder);
    if (!QFileInfo::exists(files.stockPath())) {
        err << QStringLiteral("Die Bestandsdatei „%1“ gibt es nicht.\n")
                   .arg(QDir::toNativeSeparators(files.stockPath()));
        return FileProblem;
    }
    Database db;
    const DataFiles::StartupResult loaded = files.load(db, DataFiles::Access::ReadOnly);
    for (const QString& message : loaded.messages)
        err << message << '\n';
    // A check needs the whole stock: what a damaged file lost cannot be checked.
    if (loaded.terminate || (request.command == QLatin1String("check") && !loaded.messages.isEmpty()))
        return FileProblem;
    auto records = std::make_unique<RecordsDatabase>();
    if (const auto opened = records->open(folder + DataSetNames::RecordsFile, RecordsDatabase::Access::ReadOnly);
        !opened.message.isEmpty())
        err << opened.message << '\n';
    StockDocument stock(std::move(db), std::move(files), std::move(records));
    return Export(request, stock, out, err).run();
}
