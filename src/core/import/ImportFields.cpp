#include "core/import/ImportFields.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace {

// Lower case without spaces, dots, hyphens and the like: "Ring-Nr." is "ringnr".
QString key(const QString& text)
{
    QString k;
    for (const QChar c : text.toLower())
        if (c.isLetterOrNumber())
            k += c;
    return k;
}

// The German headers the import knows; the program's own CSV files write some of them translated.
const std::pair<ImportField, const char*> kKnownHeaders[] = {
    {ImportField::Ring, "Ringnummer"},
    {ImportField::Ring, "Ring"},
    {ImportField::Ring, "Ring-Nr."},
    {ImportField::Ring, "Ringnr"},
    {ImportField::Ring, "Ring Nummer"},
    {ImportField::Ring, "Kennring"},
    {ImportField::Sex, "Geschlecht"},
    {ImportField::Sex, "Geschl."},
    {ImportField::Sex, "Sex"},
    {ImportField::Sex, "M/W"},
    {ImportField::Sex, "1.0/0.1"},
    {ImportField::Year, "Geburtsjahr"},
    {ImportField::Year, "Jahr"},
    {ImportField::Year, "Jahrgang"},
    {ImportField::Year, "Schlupfjahr"},
    {ImportField::Breeder, "Züchter"},
    {ImportField::Breeder, "Zuechter"},
    {ImportField::Breeder, "Züchternummer"},
    {ImportField::Colour, "Farbe"},
    {ImportField::Colour, "Farbschlag"},
    {ImportField::Markings, "Zeichnung"},
    {ImportField::Breed, "Art/Rasse"},
    {ImportField::Breed, "Rasse"},
    {ImportField::Breed, "Art"},
    {ImportField::Father, "Vater"},
    {ImportField::Father, "Vater-Ring"},
    {ImportField::Father, "Ring Vater"},
    {ImportField::Father, "Vater Ringnummer"},
    {ImportField::Mother, "Mutter"},
    {ImportField::Mother, "Mutter-Ring"},
    {ImportField::Mother, "Ring Mutter"},
    {ImportField::Mother, "Mutter Ringnummer"},
    {ImportField::Remarks, "Bemerkungen"},
    {ImportField::Remarks, "Bemerkung"},
    {ImportField::ListRemarks, "Bemerkungen Bestandsliste"},
    {ImportField::Sold, "Verkauft"},
    {ImportField::WhereaboutsStatus, "Verbleib"},
    {ImportField::WhereaboutsDate, "Verbleib seit"},
    {ImportField::Buyer, "Käufer"},
    {ImportField::Buyer, "Kaeufer"},
    {ImportField::BuyerAddress, "Anschrift des Käufers"},
    {ImportField::Price, "Preis (€)"},
    {ImportField::Price, "Preis"},
    {ImportField::WhereaboutsNote, "Notiz zum Verbleib"},
    {ImportField::Factors, "Erbanlagen"},
    {ImportField::Factors, "Farbfaktoren"},
    {ImportField::ShowDate, "Datum"},
    {ImportField::ShowDate, "Schaudatum"},
    {ImportField::ShowDate, "Datum der Schau"},
    {ImportField::Show, "Schau"},
    {ImportField::Show, "Ausstellung"},
    {ImportField::ShowClass, "Klasse"},
    {ImportField::Points, "Punkte"},
    {ImportField::Award, "Auszeichnung/Platz"},
    {ImportField::Award, "Auszeichnung"},
    {ImportField::Award, "Platz"},
    {ImportField::Collection, "Kollektion"},
};

const QHash<QString, ImportField>& headerNames()
{
    static const QHash<QString, ImportField> names = [] {
        QHash<QString, ImportField> byKey;
        for (const auto& [field, name] : kKnownHeaders)
            byKey.insert(key(QString::fromUtf8(name)), field);
        return byKey;
    }();
    return names;
}

} // namespace

const std::vector<ImportField>& importFields()
{
    static const std::vector<ImportField> fields = {
        ImportField::Ring,
        ImportField::Sex,
        ImportField::Year,
        ImportField::Breeder,
        ImportField::Colour,
        ImportField::Markings,
        ImportField::Breed,
        ImportField::Father,
        ImportField::Mother,
        ImportField::Remarks,
        ImportField::ListRemarks,
        ImportField::Sold,
        ImportField::WhereaboutsStatus,
        ImportField::WhereaboutsDate,
        ImportField::Buyer,
        ImportField::BuyerAddress,
        ImportField::Price,
        ImportField::WhereaboutsNote,
        ImportField::Factors,
        ImportField::ShowDate,
        ImportField::Show,
        ImportField::ShowClass,
        ImportField::Points,
        ImportField::Award,
        ImportField::Collection,
    };
    return fields;
}

bool holdsShowResults(const std::vector<ImportField>& mapping)
{
    return std::find(mapping.begin(), mapping.end(), ImportField::Show) != mapping.end();
}

QString importFieldName(ImportField field)
{
    switch (field) {
    case ImportField::Ignored:
        return QCoreApplication::translate("ImportFields", "nicht übernehmen");
    case ImportField::Ring:
        return QCoreApplication::translate("ImportFields", "Ringnummer");
    case ImportField::Sex:
        return QCoreApplication::translate("ImportFields", "Geschlecht");
    case ImportField::Year:
        return QCoreApplication::translate("ImportFields", "Geburtsjahr");
    case ImportField::Breeder:
        return QCoreApplication::translate("ImportFields", "Züchter");
    case ImportField::Colour:
        return QCoreApplication::translate("ImportFields", "Farbe");
    case ImportField::Markings:
        return QCoreApplication::translate("ImportFields", "Zeichnung");
    case ImportField::Breed:
        return QCoreApplication::translate("ImportFields", "Art/Rasse");
    case ImportField::Father:
        return QCoreApplication::translate("ImportFields", "Vater");
    case ImportField::Mother:
        return QCoreApplication::translate("ImportFields", "Mutter");
    case ImportField::Remarks:
        return QCoreApplication::translate("ImportFields", "Bemerkungen");
    case ImportField::ListRemarks:
        return QCoreApplication::translate("ImportFields", "Bemerkungen Bestandsliste");
    case ImportField::Sold:
        return QCoreApplication::translate("ImportFields", "Verkauft");
    case ImportField::WhereaboutsStatus:
        return QCoreApplication::translate("ImportFields", "Verbleib");
    case ImportField::WhereaboutsDate:
        return QCoreApplication::translate("ImportFields", "Verbleib seit");
    case ImportField::Buyer:
        return QCoreApplication::translate("ImportFields", "Käufer");
    case ImportField::BuyerAddress:
        return QCoreApplication::translate("ImportFields", "Anschrift des Käufers");
    case ImportField::Price:
        return QCoreApplication::translate("ImportFields", "Preis (€)");
    case ImportField::WhereaboutsNote:
        return QCoreApplication::translate("ImportFields", "Notiz zum Verbleib");
    case ImportField::Factors:
        return QCoreApplication::translate("ImportFields", "Erbanlagen");
    case ImportField::ShowDate:
        return QCoreApplication::translate("ImportFields", "Datum der Schau");
    case ImportField::Show:
        return QCoreApplication::translate("ImportFields", "Schau");
    case ImportField::ShowClass:
        return QCoreApplication::translate("ImportFields", "Klasse");
    case ImportField::Points:
        return QCoreApplication::translate("ImportFields", "Punkte");
    case ImportField::Award:
        return QCoreApplication::translate("ImportFields", "Auszeichnung/Platz");
    case ImportField::Collection:
        return QCoreApplication::translate("ImportFields", "Kollektion");
    }
    return {};
}

ImportField fieldOfHeader(const QString& header)
{
    if (const auto german = headerNames().find(key(header)); german != headerNames().end())
        return german.value();
    // A file the program wrote in another language names its columns in that language.
    for (const auto& [field, name] : kKnownHeaders) {
        if (key(QCoreApplication::translate("ImportFields", name)) == key(header))
            return field;
    }
    return ImportField::Ignored;
}

std::vector<ImportField> mapColumns(const QStringList& header)
{
    std::vector<ImportField> mapping;
    QList<ImportField> taken;
    for (const QString& name : header) {
        ImportField field = fieldOfHeader(name);
        if (taken.contains(field))
            field = ImportField::Ignored;
        if (field != ImportField::Ignored)
            taken << field;
        mapping.push_back(field);
    }
    return mapping;
}

QString cellText(const QString& cell)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (cell.size() >= 2 && cell[0] == QLatin1Char('\'') && formulaStarts.contains(cell[1]))
        return cell.mid(1);
    return cell;
}

std::optional<Sex> sexOfText(const QString& text)
{
    static const QHash<QString, Sex> words = [] {
        QHash<QString, Sex> w;
        for (const char* male : {"1.0", "1,0", "m", "männlich", "maennlich", "hahn", "male", "1"})
            w.insert(QString::fromUtf8(male), Sex::Male);
        for (const char* female : {"0.1", "0,1", "w", "weiblich", "henne", "female", "f", "2"})
            w.insert(QString::fromUtf8(female), Sex::Female);
        for (const char* unknown : {"", "unbekannt", "?", "0", "0.0", "0,0"})
            w.insert(QString::fromUtf8(unknown), Sex::Unknown);
        return w;
    }();
    const QString t = text.trimmed().toLower();
    const auto found = words.constFind(t);
    if (found != words.constEnd())
        return *found;
    // A spreadsheet in the breeder's language writes the sexes in it.
    //: The word for a cock in a spreadsheet's sex column, lower case, as the import understands it.
    if (t == QCoreApplication::translate("ImportWords", "hahn"))
        return Sex::Male;
    //: The word for a hen in a spreadsheet's sex column, lower case, as the import understands it.
    if (t == QCoreApplication::translate("ImportWords", "henne"))
        return Sex::Female;
    return std::nullopt;
}

std::optional<qint32> yearOfText(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const int year = t.toInt(&ok);
    if (!ok)
        return std::nullopt;
    if (t.size() == 2 && year >= 0)
        return 2000 + year;
    if (year == 0 || (year >= 1900 && year <= 2100))
        return year;
    return std::nullopt;
}

std::optional<bool> soldOfText(const QString& text)
{
    const QString t = text.trimmed().toLower();
    if (t.isEmpty() || t == QLatin1String("nein") || t == QLatin1String("0") || t == QLatin1String("n")
        || t == QLatin1String("no"))
        return false;
    if (t == QLatin1String("ja") || t == QLatin1String("x") || t == QLatin1String("1") || t == QLatin1String("j")
        || t == QLatin1String("yes"))
        return true;
    //: "yes" in a spreadsheet's sold column, lower case, as the import understands it.
    if (t == QCoreApplication::translate("ImportWords", "ja"))
        return true;
    //: "no" in a spreadsheet's sold column, lower case, as the import understands it.
    if (t == QCoreApplication::translate("ImportWords", "nein"))
        return false;
    return std::nullopt;
}

std::optional<WhereaboutsStatus> whereaboutsOfText(const QString& text)
{
    const QString t = text.trimmed().toLower();
    for (const WhereaboutsStatus s : {WhereaboutsStatus::InStock, WhereaboutsStatus::Sold, WhereaboutsStatus::GivenAway,
                                      WhereaboutsStatus::Died, WhereaboutsStatus::FlewOff})
        if (t == AnimalRecordWords::statusWord(s) || t == AnimalRecordWords::statusText(s).toLower())
            return s;
    if (t == QLatin1String("tot") || t == QLatin1String("gestorben"))
        return WhereaboutsStatus::Died;
    return std::nullopt;
}

std::optional<int> halfPointsOfText(const QString& text)
{
    const QString t = text.trimmed();
    const qsizetype mark = t.indexOf(QRegularExpression(QStringLiteral("[,.]")));
    bool ok = false;
    const int whole = (mark < 0 ? t : t.left(mark)).toInt(&ok);
    if (!ok || whole < 0 || whole > 100 || (mark >= 0 && t.left(mark).isEmpty()))
        return std::nullopt;
    int half = 0;
    if (mark >= 0) {
        const QString fraction = t.mid(mark + 1);
        if (fraction == QLatin1String("5") || fraction == QLatin1String("50"))
            half = 1;
        else if (fraction != QLatin1String("0") && fraction != QLatin1String("00"))
            return std::nullopt;
    }
    if (whole == 100 && half)
        return std::nullopt;
    return whole * 2 + half;
}
