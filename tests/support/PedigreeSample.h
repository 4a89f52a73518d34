#pragma once

#include "core/model/StockData.h"

// A stock with one animal ("DE-06165-2020-0001") whose 30 ancestors over four
// generations are all known, the breeder's address and print settings, as a
// breeder would have them. Ancestor k is named "A<k>-…" after its slot.
StockData pedigreeSample();

// The ring number the sample gives the ancestor in slot k (1 to 30).
QString sampleAncestorRing(int slot);
inline const QString kSampleSubject = QStringLiteral("DE-06165-2020-0001");
