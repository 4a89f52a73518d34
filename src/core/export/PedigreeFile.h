#pragma once

#include <QByteArray>
#include <QString>

class StockDocument;

// The pedigree of one animal as a file that goes with a bird from seller to
// buyer, for this program and any other that reads JSON: the animal and its
// ancestors over the certificate's four generations, each with its fields,
// parents by ring, the colour factors entered and those its pedigree shows,
// and its best show result; the seller's breeder data. doc/pedigree-file.md
// explains the format, doc/pedigree-file.schema.json defines it.

inline const QString kPedigreeFormat = QStringLiteral("avelor-pedigree");
inline constexpr int kPedigreeFormatVersion = 1;

// The file's bytes; empty when no active animal has the ring.
QByteArray pedigreeFile(const StockDocument& stock, const QString& ring);
