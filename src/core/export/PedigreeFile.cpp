#include "core/export/PedigreeFile.h"

#include "core/genetics/PedigreeReading.h"
#include "core/genetics/StockColours.h"
#include "core/pedigree/PedigreeSlots.h"
#include "core/records/RecordsDatabase.h"
#include "core/records/ShowFigures.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

QString sexName(Sex sex)
{
    switch (sex) {
    case Sex::Male:
        return QStringLiteral("male");
    case Sex::Female:
        return QStringLiteral("female");
    case Sex::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

QString stateName(FactorState state)
{
    switch (state) {
    case FactorState::Absent:
        return QStringLiteral("absent");
    case FactorState::Carrier:
        return QStringLiteral("carrier");
    case FactorState::Visual:
        return QStringLiteral("visual");
    case FactorState::DoubleFactor:
        return QStringLiteral("double");
    case FactorState::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

QJsonObject animalObject(const StockDocument& stock, qsizetype position)
{
    const Animal& a = stock.animals()[size_t(position)];
    QJsonObject o {
        {QStringLiteral("ring"), a.ringNumber},   {QStringLiteral("sex"), sexName(a.sex)},
        {QStringLiteral("year"), a.birthYear},    {QStringLiteral("breeder"), a.breeder},
        {QStringLiteral("colour"), a.colour},     {QStringLiteral("markings"), a.markings},
        {QStringLiteral("breed"), a.breed},       {QStringLiteral("father"), a.fatherRing},
        {QStringLiteral("mother"), a.motherRing},
    };
    QJsonObject entered;
    for (const auto& [key, state] : stock.records().colourFactors(a.ringNumber))
        entered.insert(key, stateName(state));
    o.insert(QStringLiteral("factors"), entered);
    PedigreeReading& reading = colourReading(stock);
    QJsonArray shown;
    for (const FactorFinding& finding : reading.findings(position)) {
        shown.append(QJsonObject {
            {QStringLiteral("factor"), reading.table().factor(finding.factor).key},
            {QStringLiteral("proven"), finding.proven},
            {QStringLiteral("chance"), finding.chance},
            {QStringLiteral("reason"), finding.reason},
        });
    }
    o.insert(QStringLiteral("pedigreeFactors"), shown);
    if (const std::optional<ShowResult> best = bestResult(stock.records().showResults(a.ringNumber))) {
        o.insert(QStringLiteral("bestShowResult"),
                 QJsonObject {
                     {QStringLiteral("date"), best->date.toString(Qt::ISODate)},
                     {QStringLiteral("show"), best->show},
                     {QStringLiteral("class"), best->showClass},
                     {QStringLiteral("points"), best->points()},
                     {QStringLiteral("award"), best->award},
                 });
    }
    return o;
}

} // namespace

QByteArray pedigreeFile(const StockDocument& stock, const QString& ring)
{
    const qsizetype subject = stock.ringIndex().lastActiveWith(ring);
    if (subject < 0)
        return {};
    const PedigreeSlots ancestors
        = resolvePedigree(stock.animals(), stock.animals()[size_t(subject)], stock.ringIndex());
    // An ancestor met twice (inbreeding) is written once.
    std::vector<qsizetype> written {subject};
    QJsonArray animals {animalObject(stock, subject)};
    for (int slot = 1; slot <= PedigreeSlots::kCount; ++slot) {
        const qsizetype position = ancestors.index[size_t(slot)];
        if (position < 0 || std::find(written.begin(), written.end(), position) != written.end())
            continue;
        written.push_back(position);
        animals.append(animalObject(stock, position));
    }
    const BreederData& b = stock.breeder();
    const QJsonObject seller {
        {QStringLiteral("firstName"), b.firstName},   {QStringLiteral("lastName"), b.lastName},
        {QStringLiteral("street"), b.street},         {QStringLiteral("postcodeCity"), b.postcodeCity},
        {QStringLiteral("phone"), b.phone},           {QStringLiteral("breederNumber"), b.breederNumber},
        {QStringLiteral("clubNumber"), b.clubNumber},
    };
    const QJsonObject file {
        {QStringLiteral("format"), kPedigreeFormat},
        {QStringLiteral("version"), kPedigreeFormatVersion},
        {QStringLiteral("subject"), stock.animals()[size_t(subject)].ringNumber},
        {QStringLiteral("seller"), seller},
        {QStringLiteral("animals"), animals},
    };
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}
