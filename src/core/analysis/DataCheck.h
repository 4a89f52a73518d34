#pragma once

#include "core/model/AnimalRecords.h"
#include "core/model/StockData.h"

#include <QHash>

#include <QStringList>

#include <functional>

class RingIndex;

// What a hand-kept stock collects over the years, each finding one German
// sentence: parent rings no animal has, active animals sharing a ring (in
// any letter case), parents born after their children, animals that are
// their own ancestors, fathers that are female and mothers that are male,
// pairs and young naming missing animals, pictures without an animal,
// pictures that cannot be read, records of rings no bird in the stock has and
// colour factors that contradict one another or the parents' records.
struct DataCheckInput
{
    const StockData& db;
    const RingIndex& index;
    QString picturesFolder; // ends with '/'
    // The German reason a picture cannot be shown, or an empty text.
    std::function<QString(const QString& path)> pictureProblem;
    // The rings that have records beyond the stock file (whereabouts, show results, colour factors).
    QStringList recordRings;
    // The colour factors entered, by ring: checked against one another and the parents'.
    QHash<QString, FactorStates> colourFactors;
};

QStringList checkData(const DataCheckInput& input);

// The check of everything the document holds.
class StockDocument;
QStringList checkStock(const StockDocument& stock, const std::function<QString(const QString& path)>& pictureProblem);
