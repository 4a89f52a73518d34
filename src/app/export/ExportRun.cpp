#include "app/export/ExportRun.h"

#include "core/files/Preferences.h"
#include "core/files/SafeWrite.h"
#include "core/language/Languages.h"
#include "core/model/Dates.h"
#include "core/stock/StockDocument.h"
#include "reports/engine/ReportOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

QString pngName(const QString& output, int page, int pages)
{
    if (pages == 1)
        return output;
    const QFileInfo info(output);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('-') + QString::number(page + 1)
        + QLatin1Char('.') + info.suffix();
}

} // namespace

QString ExportRequest::output() const
{
    return option("-o");
}

QString ExportRequest::suffix() const
{
    return QFileInfo(output()).suffix().toLower();
}

std::optional<int> yearOf(const QString& text)
{
    bool number = false;
    const int value = text.toInt(&number);
    if (!number || value < 1 || value > 9999)
        return std::nullopt;
    return value;
}

bool ExportRun::recordsIntact()
{
    const QString& problem = stock.records().readProblem();
    if (problem.isEmpty())
        return true;
    err << QCoreApplication::translate("ExportTool", "Die Zusatzdaten konnten nicht vollständig gelesen werden: %1")
               .arg(problem)
        << '\n';
    return false;
}

int ExportRun::writePages(const ReportPages& pages)
{
    if (!recordsIntact())
        return FileProblem;
    const QString today = Dates::today();
    const QString& output = request.output();
    if (request.suffix() == QLatin1String("pdf"))
        return written(output, ReportOutput::writePdf(pages, output, today).error);
    for (int i = 0; i < pages.count(); ++i) {
        const QString name = pngName(output, i, pages.count());
        if (const int code = written(name, ReportOutput::writePng(pages.page(i), name, 150, today)); code != Done)
            return code;
    }
    return Done;
}

int ExportRun::writeFile(const std::function<bool(QIODevice&)>& writer)
{
    if (!recordsIntact())
        return FileProblem;
    return written(request.output(), writeFileSafely(request.output(), writer).reason);
}

int ExportRun::writeBytes(const QByteArray& bytes)
{
    return writeFile([&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
}

bool ExportRun::year(std::optional<int>& year)
{
    if (!request.has("--year"))
        return true;
    year = yearOf(request.option("--year"));
    if (!year)
        err << QCoreApplication::translate("ExportTool", "--year nimmt ein Jahr von 1 bis 9999, etwa 2026.") << '\n';
    return year.has_value();
}

int ExportRun::written(const QString& name, const QString& failure)
{
    if (!failure.isEmpty()) {
        err << QCoreApplication::translate("ExportTool", "Die Datei „%1“ konnte nicht geschrieben werden: %2")
                   .arg(name, failure)
            << '\n';
        return FileProblem;
    }
    out << QCoreApplication::translate("ExportTool", "Geschrieben: %1").arg(QDir::toNativeSeparators(name)) << '\n';
    return Done;
}

// The printouts speak the language the breeder chose for them in the
// program; "as the program" is the program's language, not the tool's.
QString printoutLanguage(const Preferences& preferences)
{
    if (!preferences.certificate.printLanguage.isEmpty())
        return preferences.certificate.printLanguage;
    return Languages::resolve(preferences.language);
}

QString printoutLanguage()
{
    return printoutLanguage(Preferences::load(Preferences::defaultFile()));
}
