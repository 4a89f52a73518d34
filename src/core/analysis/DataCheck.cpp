#include "core/analysis/DataCheck.h"

#include "core/genetics/ColourCheck.h"
#include "core/genetics/PedigreeReading.h"
#include "core/model/TextRules.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QSet>

namespace {

QString quoted(const QString& ring)
{
    return QStringLiteral("„") + ring + QStringLiteral("“");
}

void checkParents(const DataCheckInput& in, QStringList& findings)
{
    const AnimalTable& animals = in.db.animals;
    for (const Animal& child : animals) {
        if (!child.isActive())
            continue;
        for (const bool father : {true, false}) {
            const QString& ring = father ? child.fatherRing : child.motherRing;
            if (ring.isEmpty())
                continue;
            const qsizetype p = in.index.lastWith(ring);
            if (p < 0) {
                //: %1 is the parent's ring, %2 the child's
                findings << (father
                                 ? QCoreApplication::translate("DataCheck", "Vater %1 von %2 gibt es nicht im Bestand.")
                                 : QCoreApplication::translate("DataCheck",
                                                               "Mutter %1 von %2 gibt es nicht im Bestand."))
                                .arg(quoted(ring), quoted(child.ringNumber));
                continue;
            }
            const Animal& parent = animals[size_t(p)];
            if (father && parent.sex == Sex::Female)
                findings << QCoreApplication::translate("DataCheck", "Der Vater %1 von %2 ist weiblich.")
                                .arg(quoted(ring), quoted(child.ringNumber));
            if (!father && parent.sex == Sex::Male)
                findings << QCoreApplication::translate("DataCheck", "Die Mutter %1 von %2 ist männlich.")
                                .arg(quoted(ring), quoted(child.ringNumber));
            if (parent.birthYear > 0 && child.birthYear > 0 && parent.birthYear > child.birthYear) {
                //: %1 is the parent's ring, %2 its year, %3 the child's ring, %4 its year
                findings << (father
                                 ? QCoreApplication::translate(
                                     "DataCheck", "Vater %1 (Jahrgang %2) ist jünger als sein Kind %3 (Jahrgang %4).")
                                 : QCoreApplication::translate(
                                     "DataCheck", "Mutter %1 (Jahrgang %2) ist jünger als ihr Kind %3 (Jahrgang %4)."))
                                .arg(quoted(ring))
                                .arg(parent.birthYear)
                                .arg(quoted(child.ringNumber))
                                .arg(child.birthYear);
            }
        }
    }
}

void checkSharedRings(const DataCheckInput& in, QStringList& findings)
{
    QHash<QString, QStringList> byRing;
    QStringList order;
    for (const Animal& a : in.db.animals) {
        if (!a.isActive())
            continue;
        const QString key = upperAscii(a.ringNumber);
        if (!byRing.contains(key))
            order << key;
        byRing[key] << a.ringNumber;
    }
    for (const QString& key : order) {
        const QStringList& rings = byRing[key];
        if (rings.size() > 1) {
            findings << QCoreApplication::translate("DataCheck", "%1 aktive Tiere tragen dieselbe Ringnummer: %2.")
                            .arg(rings.size())
                            .arg(rings.join(QStringLiteral(", ")));
        }
    }
}

// Animals that are their own ancestors: the strongly connected parts of the
// parent links (Tarjan), each reported once.
void checkCycles(const DataCheckInput& in, QStringList& findings)
{
    const AnimalTable& animals = in.db.animals;
    const auto n = qsizetype(animals.size());
    auto parentOf = [&](qsizetype a, int which) {
        const QString& ring = which == 0 ? animals[size_t(a)].fatherRing : animals[size_t(a)].motherRing;
        return ring.isEmpty() ? qsizetype(-1) : in.index.lastWith(ring);
    };
    std::vector<qsizetype> number(size_t(n), -1), low(size_t(n), 0);
    std::vector<bool> onStack(size_t(n), false);
    std::vector<qsizetype> stack;
    std::vector<std::pair<qsizetype, int>> work;
    qsizetype counter = 0;
    for (qsizetype root = 0; root < n; ++root) {
        if (number[size_t(root)] >= 0)
            continue;
        work.push_back({root, 0});
        while (!work.empty()) {
            auto& [v, next] = work.back();
            if (next == 0) {
                number[size_t(v)] = low[size_t(v)] = counter++;
                stack.push_back(v);
                onStack[size_t(v)] = true;
            }
            if (next < 2) {
                const qsizetype w = parentOf(v, next++);
                if (w < 0)
                    continue;
                if (number[size_t(w)] < 0) {
                    work.push_back({w, 0});
                } else if (onStack[size_t(w)]) {
                    low[size_t(v)] = std::min(low[size_t(v)], number[size_t(w)]);
                }
                continue;
            }
            const qsizetype finished = v;
            work.pop_back();
            if (!work.empty())
                low[size_t(work.back().first)] = std::min(low[size_t(work.back().first)], low[size_t(finished)]);
            if (low[size_t(finished)] != number[size_t(finished)])
                continue;
            QStringList members;
            qsizetype w = -1;
            do {
                w = stack.back();
                stack.pop_back();
                onStack[size_t(w)] = false;
                members.prepend(animals[size_t(w)].ringNumber);
            } while (w != finished);
            const bool selfLink = parentOf(finished, 0) == finished || parentOf(finished, 1) == finished;
            if (members.size() > 1 || selfLink) {
                findings << QCoreApplication::translate("DataCheck", "Diese Tiere sind ihre eigenen Vorfahren: %1.")
                                .arg(members.join(QStringLiteral(", ")));
            }
        }
    }
}

void checkPairs(const DataCheckInput& in, QStringList& findings)
{
    auto missing = [&](const QString& ring) {
        return !ring.isEmpty() && in.index.lastWith(ring) < 0;
    };
    for (size_t p = 0; p < in.db.pairs.size(); ++p) {
        const BreedingPair& pair = in.db.pairs[p];
        if (missing(pair.cockRing))
            findings << QCoreApplication::translate("DataCheck", "Zuchtpaar %1: Den Hahn %2 gibt es nicht im Bestand.")
                            .arg(p + 1)
                            .arg(quoted(pair.cockRing));
        if (missing(pair.henRing))
            findings << QCoreApplication::translate("DataCheck", "Zuchtpaar %1: Die Henne %2 gibt es nicht im Bestand.")
                            .arg(p + 1)
                            .arg(quoted(pair.henRing));
        for (size_t k = 0; k < pair.clutches.size(); ++k) {
            for (size_t e = 0; e < pair.clutches[k].young.size(); ++e) {
                const QString& ring = pair.clutches[k].young[e].ring;
                if (missing(ring)) {
                    findings << QCoreApplication::translate(
                                    "DataCheck",
                                    "Zuchtpaar %1, Gelege %2, Ei %3: Den Jungvogel %4 gibt es nicht im Bestand.")
                                    .arg(p + 1)
                                    .arg(k + 1)
                                    .arg(e + 1)
                                    .arg(quoted(ring));
                }
            }
        }
    }
}

void checkPictures(const DataCheckInput& in, QStringList& findings)
{
    QSet<QString> names;
    for (const Animal& a : in.db.animals)
        names.insert(safeFileName(a.ringNumber) + QStringLiteral(".jpg"));
    const QStringList files = QDir(in.picturesFolder).entryList(QDir::Files, QDir::Name);
    for (const QString& file : files) {
        if (!names.contains(file))
            findings
                << QCoreApplication::translate("DataCheck", "Das Bild %1 gehört zu keinem Tier.").arg(quoted(file));
    }
    const QSet<QString> present(files.cbegin(), files.cend());
    for (const Animal& a : in.db.animals) {
        const QString file = safeFileName(a.ringNumber) + QStringLiteral(".jpg");
        if (!a.isActive() || !present.contains(file) || !in.pictureProblem)
            continue;
        if (const QString problem = in.pictureProblem(in.picturesFolder + file); !problem.isEmpty())
            findings << problem;
    }
}

} // namespace

QStringList checkStock(const StockDocument& stock, const std::function<QString(const QString& path)>& pictureProblem)
{
    return checkData({stock.data(), stock.ringIndex(), stock.pictures().folder(), pictureProblem,
                      stock.records().rings(), stock.records().allColourFactors()});
}

QStringList checkData(const DataCheckInput& input)
{
    QStringList findings;
    checkParents(input, findings);
    checkSharedRings(input, findings);
    checkCycles(input, findings);
    checkPairs(input, findings);
    checkPictures(input, findings);
    for (const QString& ring : input.recordRings) {
        if (input.index.lastActiveWith(ring) < 0)
            findings << QCoreApplication::translate(
                            "DataCheck",
                            "Zu %1 gibt es Zusatzdaten (Verbleib, Ausstellungen oder Erbanlagen), aber kein "
                            "Tier im Bestand trägt diese Ringnummer.")
                            .arg(quoted(ring));
    }
    if (!input.colourFactors.isEmpty()) {
        PedigreeReading reading(input.db.animals, input.index, input.colourFactors);
        findings << checkColourFactors(reading);
    }
    return findings;
}
