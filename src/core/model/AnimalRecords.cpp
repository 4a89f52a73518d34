#include "core/model/AnimalRecords.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace AnimalRecordWords {

QString sexText(Sex sex)
{
    if (sex == Sex::Male)
        return QCoreApplication::translate("AnimalRecords", "Hahn");
    if (sex == Sex::Female)
        return QCoreApplication::translate("AnimalRecords", "Henne");
    return {};
}

QString statusWord(WhereaboutsStatus status)
{
    switch (status) {
    case WhereaboutsStatus::InStock:
        return QStringLiteral("im Bestand");
    case WhereaboutsStatus::Sold:
        return QStringLiteral("verkauft");
    case WhereaboutsStatus::GivenAway:
        return QStringLiteral("abgegeben");
    case WhereaboutsStatus::Died:
        return QStringLiteral("verstorben");
    case WhereaboutsStatus::FlewOff:
        return QStringLiteral("entflogen");
    }
    return {};
}

QString statusText(WhereaboutsStatus status)
{
    switch (status) {
    case WhereaboutsStatus::InStock:
        return QCoreApplication::translate("AnimalRecordWords", "im Bestand");
    case WhereaboutsStatus::Sold:
        return QCoreApplication::translate("AnimalRecordWords", "verkauft");
    case WhereaboutsStatus::GivenAway:
        return QCoreApplication::translate("AnimalRecordWords", "abgegeben");
    case WhereaboutsStatus::Died:
        return QCoreApplication::translate("AnimalRecordWords", "verstorben");
    case WhereaboutsStatus::FlewOff:
        return QCoreApplication::translate("AnimalRecordWords", "entflogen");
    }
    return {};
}

QString points(int halfPoints)
{
    return QString::number(halfPoints / 2) + (halfPoints % 2 ? QStringLiteral(",5") : QString());
}

QString price(qint64 cents)
{
    return QStringLiteral("%1,%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

std::optional<qint64> parsePrice(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,9})(?:[,.](\\d{1,2}))?\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    QString cents = m.captured(2);
    while (cents.size() < 2)
        cents += QLatin1Char('0');
    return m.captured(1).toLongLong() * 100 + cents.toLongLong();
}

std::optional<int> parsePoints(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,3})(?:[,.]([05]))?\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int half = m.captured(1).toInt() * 2 + (m.captured(2) == QLatin1String("5") ? 1 : 0);
    return half <= 200 ? std::optional<int>(half) : std::nullopt;
}

QString factorStateWord(FactorState state)
{
    switch (state) {
    case FactorState::Unknown:
        return QCoreApplication::translate("AnimalRecordWords", "unbekannt");
    case FactorState::Absent:
        return QCoreApplication::translate("AnimalRecordWords", "nicht vorhanden");
    case FactorState::Carrier:
        return QCoreApplication::translate("AnimalRecordWords", "spalterbig");
    case FactorState::Visual:
        return QCoreApplication::translate("AnimalRecordWords", "sichtbar");
    case FactorState::DoubleFactor:
        return QCoreApplication::translate("AnimalRecordWords", "doppelfaktorig");
    }
    return {};
}

} // namespace AnimalRecordWords

QString ringDeliveryProblem(const RingDelivery& d, const std::vector<RingDelivery>& entered)
{
    if (d.year < 1900 || d.year > 9999)
        return QCoreApplication::translate("AnimalRecords", "Das Jahr der Ringe muss zwischen 1900 und 9999 liegen.");
    if (d.first < 0 || d.last < d.first)
        return QCoreApplication::translate("AnimalRecords", "Der letzte Ring darf nicht vor dem ersten liegen.");
    if (d.count() > 99999)
        return QCoreApplication::translate("AnimalRecords", "Eine Lieferung umfasst höchstens 99 999 Ringe.");
    if (QString::number(d.last).size() > d.digits)
        return QCoreApplication::translate("AnimalRecords", "Die Nummer %1 hat mehr als %2 Stellen.")
            .arg(d.last)
            .arg(d.digits);
    for (const RingDelivery& other : entered) {
        if (other.prefix == d.prefix && other.digits == d.digits && other.first <= d.last && d.first <= other.last)
            //: %1 and %2 the first and last ring of a delivery entered before, %3 its year
            return QCoreApplication::translate("AnimalRecords",
                                               "Diese Ringe überschneiden sich mit der Lieferung %1 bis %2 (%3).")
                .arg(other.ring(other.first), other.ring(other.last))
                .arg(other.year);
    }
    return {};
}
