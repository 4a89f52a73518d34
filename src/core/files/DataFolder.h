#pragma once

#include <QString>

// Where the program keeps its data: the per-user data folder + "Avelor
// Abstammungsnachweis für " + the plural of the animal. Computed anew on
// every call, so a test can point XDG_DATA_HOME elsewhere.
namespace DataFolder {

QString path(); // ends with '/'

// A save writes both data files anew beside the old ones: a German warning
// when the folder's disk has less room left than that (and a little more),
// or an empty text. `spare` is the room the caller knows to be there.
QString lowSpaceWarning(const QString& folder, qint64 spare = -1);

} // namespace DataFolder
