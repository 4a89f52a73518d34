#pragma once

#include <QString>

// Where the program keeps its data: the per-user data folder + "Avelor
// Abstammungsnachweis für " + the plural of the animal. Computed anew on
// every call, so a test can point XDG_DATA_HOME elsewhere.
namespace DataFolder {

QString path(); // ends with '/'

} // namespace DataFolder
