#pragma once

#include "core/backup/Backup.h"

class QWidget;

// The messages after a backup or a restore: what failed, in German, with the
// pictures that could not be copied named one by one.
namespace BackupMessages {

// Shows the outcome of a backup; true when the data files were written.
bool showBackup(QWidget* parent, const BackupOutcome& outcome, const QString& failed);
// Shows the outcome of a restore; true when it was restored.
bool showRestore(QWidget* parent, const RestoreOutcome& outcome, const QString& failed);

} // namespace BackupMessages
