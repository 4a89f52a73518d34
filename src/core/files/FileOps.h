#pragma once

#include <QString>

// Copies source over target byte for byte; the old target stays intact when
// the copy fails. Returns an empty text or the German reason of the failure.
QString copyFileReplacing(const QString& source, const QString& target);

// Removes a file if it exists; an empty text or the German reason.
QString removeFileIfExists(const QString& path);
