#include "core/model/AnimalRecords.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace AnimalRecordWords {

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
