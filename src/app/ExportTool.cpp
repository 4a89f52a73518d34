#include "app/ExportTool.h"

#include "core/files/DataFiles.h"
#include "core/files/DataFolder.h"
#include "core/model/Dates.h"
#include "core/stock/StockDocument.h"
#include "reports/engine/ReportOutput.h"
#include "reports/layouts/PedigreeReport.h"
#include "reports/layouts/RecordSheetReport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

enum Exit
{
    Done = 0,
    UnknownRing = 1,
    WrongUse = 2,
    FileProblem = 3,
};

const char* const kUsage = "Aufruf:\n"
                           "  avelor-export [--data ORDNER] pedigree RING... -o DATEI\n"
                           "  avelor-export [--data ORDNER] recordsheet RING -o DATEI\n"
                           "\n"
                           "Schreibt Abstammungsnachweise (eine Seite je Ring) oder ein Stammblatt.\n"
                           "DATEI endet auf .pdf oder .png; mehrere Seiten als PNG werden zu\n"
                           "DATEI-1.png, DATEI-2.png usw. Ohne --data wird der Datenordner des\n"
                           "Programms gelesen.\n"
                           "\n"
                           "Rückgabewerte: 0 erledigt, 1 ein Ring ist nicht im Bestand,\n"
                           "2 falscher Aufruf, 3 Daten nicht lesbar oder Datei nicht schreibbar.\n";

struct Request
{
    QString folder;
    QString command;
    QStringList rings;
    QString output;
};

// Fills the request; an error text when the words are off.
QString parse(const QStringList& arguments, Request& request)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word == QLatin1String("--data") || word == QLatin1String("-o")) {
            if (i + 1 >= arguments.size())
                return QStringLiteral("Nach %1 fehlt eine Angabe.").arg(word);
            (word == QLatin1String("-o") ? request.output : request.folder) = arguments[++i];
        } else if (word.startsWith(QLatin1String("--data="))) {
            request.folder = word.mid(7);
        } else if (request.command.isEmpty()) {
            request.command = word;
        } else {
            request.rings << word;
        }
    }
    if (request.command != QLatin1String("pedigree") && request.command != QLatin1String("recordsheet"))
        return QStringLiteral("Unbekannter Befehl „%1“.").arg(request.command);
    if (request.rings.isEmpty())
        return QStringLiteral("Es fehlt die Ringnummer.");
    if (request.command == QLatin1String("recordsheet") && request.rings.size() != 1)
        return QStringLiteral("Ein Stammblatt wird für genau eine Ringnummer geschrieben.");
    const QString suffix = QFileInfo(request.output).suffix().toLower();
    if (request.output.isEmpty() || (suffix != QLatin1String("pdf") && suffix != QLatin1String("png")))
        return QStringLiteral("Die Ausgabedatei (-o) muss auf .pdf oder .png enden.");
    return {};
}

QString pngName(const QString& output, qsizetype page, qsizetype pages)
{
    if (pages == 1)
        return output;
    const QFileInfo info(output);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('-') + QString::number(page + 1)
        + QLatin1Char('.') + info.suffix();
}

} // namespace

int runExport(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        out << kUsage;
        return Done;
    }
    Request request;
    if (const QString wrong = parse(arguments, request); !wrong.isEmpty()) {
        err << wrong << "\n\n" << kUsage;
        return WrongUse;
    }
    QString folder = request.folder.isEmpty() ? DataFolder::path() : request.folder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');

    // The same reading as the program's start: a damaged file is reported and kept as a copy.
    DataFiles files(folder);
    if (!QFileInfo::exists(files.stockPath())) {
        err << QStringLiteral("Die Bestandsdatei „%1“ gibt es nicht.\n")
                   .arg(QDir::toNativeSeparators(files.stockPath()));
        return FileProblem;
    }
    Database db;
    const DataFiles::StartupResult loaded = files.load(db);
    for (const QString& message : loaded.messages)
        err << message << '\n';
    if (loaded.terminate)
        return FileProblem;
    const StockDocument stock(std::move(db), std::move(files));

    PedigreeReport certificate;
    RecordSheetReport sheet;
    std::vector<ReportPage> pages;
    const CertificateOptions options;
    for (const QString& ring : std::as_const(request.rings)) {
        const PedigreeReport::FillResult filled = certificate.fill(stock, ring, options, &sheet);
        if (!filled.found) {
            err << QStringLiteral("Die Ringnummer „%1“ ist nicht im Bestand.\n").arg(ring);
            return UnknownRing;
        }
        if (!filled.error.isEmpty()) {
            err << filled.error << '\n';
            return FileProblem;
        }
        pages.push_back(request.command == QLatin1String("pedigree") ? certificate.page() : sheet.page());
        pages.back().number = int(pages.size());
    }
    for (ReportPage& page : pages)
        page.count = int(pages.size());

    const QString today = Dates::today();
    QStringList written;
    if (QFileInfo(request.output).suffix().toLower() == QLatin1String("pdf")) {
        if (const QString failure = ReportOutput::writePdf(pages, request.output, today); !failure.isEmpty()) {
            err << QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden: %2\n").arg(request.output, failure);
            return FileProblem;
        }
        written << request.output;
    } else {
        for (size_t i = 0; i < pages.size(); ++i) {
            const QString name = pngName(request.output, qsizetype(i), qsizetype(pages.size()));
            if (const QString failure = ReportOutput::writePng(pages[i], name, 150, today); !failure.isEmpty()) {
                err << QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden: %2\n").arg(name, failure);
                return FileProblem;
            }
            written << name;
        }
    }
    for (const QString& name : std::as_const(written))
        out << QStringLiteral("Geschrieben: %1\n").arg(QDir::toNativeSeparators(name));
    return Done;
}
