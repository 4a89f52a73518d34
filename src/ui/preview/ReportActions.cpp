#include "ui/preview/ReportActions.h"

#include "core/files/SpecialFolder.h"
#include "core/model/Dates.h"
#include "reports/engine/PrinterService.h"
#include "reports/engine/ReportOutput.h"
#include "ui/common/Messages.h"
#include "ui/common/Prompts.h"

#include <QDir>

namespace ReportActions {

void print(QWidget* parent, const std::vector<ReportPage>& pages, const QString& title, const QString& fileName)
{
    const PrinterService::Outcome outcome = PrinterService::current().print(pages, fileName);
    if (outcome.printed)
        return;
    if (outcome.noPrinter) {
        if (Messages::current().askYesNo(parent, QStringLiteral("Frage"),
                                         QStringLiteral("Es ist kein Drucker eingerichtet. Möchten Sie ") + title
                                             + QStringLiteral(" stattdessen als PDF-Datei speichern?")))
            saveAsPdf(parent, pages, fileName);
        return;
    }
    Messages::current().warn(parent, QStringLiteral("Es wurde nichts gedruckt. ") + outcome.error);
}

bool saveAsPdf(QWidget* parent, const std::vector<ReportPage>& pages, const QString& fileName)
{
    const QString proposed
        = specialFolder(SpecialFolder::Documents) + QLatin1Char('/') + fileName + QStringLiteral(".pdf");
    const QString path = Prompts::current().saveFileName(parent, QStringLiteral("Als PDF speichern"), proposed,
                                                         QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return false;
    const QString failure = ReportOutput::writePdf(pages, path, Dates::today());
    if (!failure.isEmpty()) {
        Messages::current().warn(parent,
                                 QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden: %2")
                                     .arg(QDir::toNativeSeparators(path), failure));
        return false;
    }
    return true;
}

} // namespace ReportActions
