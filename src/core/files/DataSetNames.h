#pragma once

#include <QString>

// The names of the files and folders one data set is made of. Stored data
// and every backup a breeder keeps depend on them, so they stand here once.
namespace DataSetNames {

inline const QString StockFile = QStringLiteral("taubenstamm.dat");
inline const QString PairFile = QStringLiteral("zuchtpaare.dat");
inline const QString PictureFolder = QStringLiteral("Bilder");
// Whereabouts and show results: an SQLite file.
inline const QString RecordsFile = QStringLiteral("zusatzdaten.db");

// The backup on the same disk names its two data files so.
inline const QString StockBackupFile = QStringLiteral("taubenstamm.bak");
inline const QString PairBackupFile = QStringLiteral("zuchtpaare.bak");
inline const QString RecordsBackupFile = QStringLiteral("zusatzdaten.bak");
// Every backup keeps its copy of the pictures in this folder.
inline const QString BackupPictureFolder = QStringLiteral("BilderV");

} // namespace DataSetNames
