#include "ui/preview/ReportActions.h"

#include "core/files/SpecialFolder.h"
#include "core/model/Dates.h"
#include "reports/engine/ReportOutput.h"
#include "ui/common/Messages.h"
#include "ui/common/ProgressWindow.h"
#include "ui/common/Prompts.h"
#include "ui/preview/PrinterService.h"

#include <QDir>

namespace ReportActions {

void print(QWidget* parent, const ReportPages& pages, const QString& title, const QString& fileName)
{
    ProgressWindow progress(parent, QStringLiteral("Drucke ") + title);
    const PrinterService::Outcome outcome = PrinterService::current().print(pages, fileName, progress.callback());
    if (outcome.printed || outcome.cancelled)
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

bool saveAsPdf(QWidget* parent, const ReportPages& pages, const QString& fileName)
{
    const QString proposed
        = specialFolder(SpecialFolder::Documents) + QLatin1Char('/') + fileName + QStringLiteral(".pdf");
    const QString path = Prompts::current().saveFileName(parent, QStringLiteral("Als PDF speichern"), proposed,
                                                         QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return false;
    ProgressWindow progress(parent, QStringLiteral("Speichere die PDF-Datei"));
    const ReportOutput::Outcome outcome = ReportOutput::writePdf(pages, path, Dates::today(), progress.callback());
    if (!outcome.error.isEmpty()) {
        Messages::current().warn(parent,
                                 QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden: %2")
                                     .arg(QDir::toNativeSeparators(path), outcome.error));
    }
    return outcome.ok();
}

} // namespace ReportActions
