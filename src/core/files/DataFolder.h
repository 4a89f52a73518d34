#pragma once

#include <QString>

// Where the data files and pictures live. Computed anew on every call, so a
// test can point XDG_DATA_HOME elsewhere.
namespace DataFolder {

QString path(); // ends with '/'
QString stockFile(); // taubenstamm.dat
QString pairFile(); // zuchtpaare.dat
QString picturesFolder(); // Bilder/, ends with '/'

// The picture of an animal: the ring number made safe as a file name + ".jpg".
QString picturePath(const QString& ringNumber);
QString picturePathIn(const QString& dataFolder, const QString& ringNumber);

// '/', '\' and control characters become '_', so the name stays inside its folder.
QString safeFileName(const QString& name);

} // namespace DataFolder
