#include "ui/backup/BackupMessages.h"

#include "core/files/DataFiles.h"
#include "ui/common/Messages.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString picturesNotCopied(const QStringList& failed)
{
    //: %1 is the list of pictures, one per line
    return QCoreApplication::translate("BackupMessages", "Diese Bilder konnten nicht kopiert werden:\n%1")
        .arg(failed.join(QLatin1Char('\n')));
}

} // namespace

namespace BackupMessages {

bool showBackup(QWidget* parent, const BackupOutcome& outcome, const QString& failed)
{
    const QString unchanged
        = QCoreApplication::translate("BackupMessages", "Die bisherige Datensicherung ist unverändert geblieben.");
    if (outcome.cancelled) {
        Messages::current().inform(
            parent,
            QCoreApplication::translate("BackupMessages", "Die Datensicherung wurde abgebrochen.")
                + QStringLiteral("\n\n") + unchanged);
        return false;
    }
    if (!outcome.error.isEmpty()) {
        Messages::current().warn(parent,
                                 failed + QStringLiteral("\n\n") + outcome.error + QStringLiteral("\n\n") + unchanged);
        return false;
    }
    if (!outcome.failedPictures.isEmpty()) {
        Messages::current().warn(parent,
                                 QCoreApplication::translate("BackupMessages", "Datensicherung wurde durchgeführt.")
                                     + QStringLiteral("\n\n") + picturesNotCopied(outcome.failedPictures));
        return true;
    }
    Messages::current().inform(parent,
                               QCoreApplication::translate("BackupMessages", "Datensicherung wurde durchgeführt."));
    return true;
}

bool showRestore(QWidget* parent, const RestoreOutcome& outcome, const QString& failed)
{
    if (outcome.wrongVersion)
        Messages::current().warn(parent, DataFiles::incompatibleVersionMessage());
    const QString kept = outcome.keptAs.isEmpty() ? QString()
                                                  : QStringLiteral("\n\n")
            + QCoreApplication::translate("BackupMessages", "Die Daten von vorher liegen im Ordner „%1“.")
                  .arg(QDir::toNativeSeparators(outcome.keptAs));
    if (outcome.result != RestoreOutcome::Result::Restored) {
        Messages::current().warn(parent, failed + QStringLiteral("\n\n") + outcome.problem + kept);
        return false;
    }
    QString text = QCoreApplication::translate("BackupMessages",
                                               "Datensicherung wurde zurückgeholt. Was bis dahin geändert wurde, "
                                               "lässt sich nicht mehr rückgängig machen.")
        + kept;
    if (!outcome.failedPictures.isEmpty())
        text += QStringLiteral("\n\n") + picturesNotCopied(outcome.failedPictures);
    Messages::current().inform(parent, text);
    return true;
}

} // namespace BackupMessages
