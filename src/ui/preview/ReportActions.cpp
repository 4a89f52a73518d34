#include "ui/preview/ReportActions.h"

#include "core/files/SpecialFolder.h"
#include "core/model/Dates.h"
#include "reports/engine/ReportOutput.h"
#include "ui/common/Messages.h"
#include "ui/common/ProgressWindow.h"
#include "ui/common/Prompts.h"
#include "ui/preview/PrinterService.h"

#include <QCoreApplication>
#include <QDir>

namespace ReportActions {

void print(QWidget* parent, const ReportPages& pages, const QString& title, const QString& fileName)
{
    //: %1 names what is printed, in the accusative (e.g. "den Abstammungsnachweis")
    ProgressWindow progress(parent, QCoreApplication::translate("ReportActions", "Drucke %1").arg(title));
    const PrinterService::Outcome outcome = PrinterService::current().print(pages, fileName, progress.callback());
    if (outcome.printed || outcome.cancelled)
        return;
    if (outcome.noPrinter) {
        if (Messages::current().askYesNo(
                parent, QCoreApplication::translate("ReportActions", "Frage"),
                //: %1 names what is printed, in the accusative (e.g. "den Abstammungsnachweis")
                QCoreApplication::translate(
                    "ReportActions",
                    "Es ist kein Drucker eingerichtet. Möchten Sie %1 stattdessen als PDF-Datei speichern?")
                    .arg(title)))
            saveAsPdf(parent, pages, fileName);
        return;
    }
    Messages::current().warn(
        parent, QCoreApplication::translate("ReportActions", "Es wurde nichts gedruckt. %1").arg(outcome.error));
}

bool saveAsPdf(QWidget* parent, const ReportPages& pages, const QString& fileName)
{
    const QString proposed
        = specialFolder(SpecialFolder::Documents) + QLatin1Char('/') + fileName + QStringLiteral(".pdf");
    const QString path = Prompts::current().saveFileName(
        parent, QCoreApplication::translate("ReportActions", "Als PDF speichern"), proposed,
        QCoreApplication::translate("ReportActions", "PDF-Dateien (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return false;
    ProgressWindow progress(parent, QCoreApplication::translate("ReportActions", "Speichere die PDF-Datei"));
    const ReportOutput::Outcome outcome = ReportOutput::writePdf(pages, path, Dates::today(), progress.callback());
    if (!outcome.error.isEmpty()) {
        Messages::current().warn(
            parent,
            QCoreApplication::translate("ReportActions", "Die Datei „%1“ konnte nicht gespeichert werden: %2")
                .arg(QDir::toNativeSeparators(path), outcome.error));
    }
    return outcome.ok();
}

} // namespace ReportActions
