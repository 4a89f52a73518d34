#include "core/import/PedigreeImport.h"

#include "core/export/PedigreeFile.h"
#include "core/genetics/AnimalGenes.h"
#include "core/genetics/FactorTable.h"
#include "core/import/ImportFields.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString sexText(const QString& name)
{
    if (name == QLatin1String("male"))
        return QStringLiteral("männlich");
    if (name == QLatin1String("female"))
        return QStringLiteral("weiblich");
    return name == QLatin1String("unknown") || name.isEmpty() ? QString()
                                                              : name; // anything else is refused as a sex word
}

// The factors the seller entered, as the stock CSV writes them; keys this
// program's table does not know are left out.
QString factorsText(const QJsonObject& factors)
{
    FactorStates states;
    for (auto it = factors.begin(); it != factors.end(); ++it) {
        const QString name = it.value().toString();
        const FactorState state = name == QLatin1String("absent") ? FactorState::Absent
            : name == QLatin1String("carrier")                    ? FactorState::Carrier
            : name == QLatin1String("visual")                     ? FactorState::Visual
            : name == QLatin1String("double")                     ? FactorState::DoubleFactor
                                                                  : FactorState::Unknown;
        if (state != FactorState::Unknown)
            states.emplace(it.key(), state);
    }
    return writtenFactors(FactorTable::canary(), states);
}

} // namespace

std::optional<PedigreeRows> readPedigreeFile(const QByteArray& bytes, QString& problem)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const QJsonObject file = document.object();
    if (error.error != QJsonParseError::NoError || file.value(QStringLiteral("format")).toString() != kPedigreeFormat) {
        problem = QCoreApplication::translate("PedigreeImport", "Das ist keine Stammbaumdatei von Avelor.");
        return std::nullopt;
    }
    const int version = file.value(QStringLiteral("version")).toInt();
    if (version < 1 || version > kPedigreeFormatVersion) {
        problem = QCoreApplication::translate(
                      "PedigreeImport",
                      "Diese Stammbaumdatei hat die Formatversion %1; dieses Programm kennt bis %2. Bitte Avelor "
                      "aktualisieren, um sie einzulesen.")
                      .arg(version)
                      .arg(kPedigreeFormatVersion);
        return std::nullopt;
    }
    PedigreeRows rows;
    rows.subject = file.value(QStringLiteral("subject")).toString();
    const QJsonObject seller = file.value(QStringLiteral("seller")).toObject();
    QStringList who;
    const QString name = (seller.value(QStringLiteral("firstName")).toString() + QLatin1Char(' ')
                          + seller.value(QStringLiteral("lastName")).toString())
                             .trimmed();
    if (!name.isEmpty())
        who << name;
    if (const QString number = seller.value(QStringLiteral("breederNumber")).toString(); !number.isEmpty())
        who << number;
    rows.seller = who.join(QStringLiteral(", "));

    const std::pair<ImportField, const char*> columns[] = {
        {ImportField::Ring, "ring"},       {ImportField::Sex, "sex"},       {ImportField::Year, "year"},
        {ImportField::Breeder, "breeder"}, {ImportField::Colour, "colour"}, {ImportField::Markings, "markings"},
        {ImportField::Breed, "breed"},     {ImportField::Father, "father"}, {ImportField::Mother, "mother"},
    };
    for (const auto& [field, key] : columns)
        rows.table.header << importFieldName(field);
    rows.table.header << importFieldName(ImportField::Factors) << importFieldName(ImportField::WhereaboutsNote);
    int place = 0;
    for (const QJsonValue& value : file.value(QStringLiteral("animals")).toArray()) {
        const QJsonObject animal = value.toObject();
        QStringList row;
        for (const auto& [field, key] : columns) {
            const QJsonValue v = animal.value(QString::fromLatin1(key));
            if (field == ImportField::Sex)
                row << sexText(v.toString());
            else if (field == ImportField::Year)
                row << (v.toInt() == 0 ? QString() : QString::number(v.toInt()));
            else
                row << v.toString();
        }
        row << factorsText(animal.value(QStringLiteral("factors")).toObject());
        // The bought bird remembers whom it came from.
        const bool subject = row.front() == rows.subject;
        row << (subject && !rows.seller.isEmpty()
                    ? QCoreApplication::translate("PedigreeImport", "erhalten von %1").arg(rows.seller)
                    : QString());
        rows.table.rows.push_back(row);
        rows.table.lines.push_back(++place);
    }
    if (rows.table.rows.empty()) {
        problem = QCoreApplication::translate("PedigreeImport", "Die Stammbaumdatei enthält keinen Vogel.");
        return std::nullopt;
    }
    return rows;
}
