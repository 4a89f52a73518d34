#include "core/model/Dates.h"

#include <QLocale>

#include <cmath>

namespace {

const QDate kEpoch(1899, 12, 30);

} // namespace

namespace Dates {

QDate toDate(double days)
{
    if (!std::isfinite(days) || std::abs(days) > 3e6)
        return {};
    return kEpoch.addDays(static_cast<qint64>(std::floor(days)));
}

double fromDate(const QDate& date)
{
    return date.isValid() ? double(kEpoch.daysTo(date)) : 0.0;
}

QString dayMonthShortYear(double days)
{
    return toDate(days).toString(QStringLiteral("dd.MM.yy"));
}

QString dayMonthYear(double days)
{
    return toDate(days).toString(QStringLiteral("dd.MM.yyyy"));
}

QString shown(double days)
{
    return days == 0 ? QString() : dayMonthYear(days);
}

std::optional<double> parse(const QString& text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    if (parts.size() != 3 || parts[2].isEmpty())
        return std::nullopt;
    bool dayOk = false;
    bool monthOk = false;
    bool yearOk = false;
    const int day = parts[0].toInt(&dayOk);
    const int month = parts[1].toInt(&monthOk);
    int year = parts[2].toInt(&yearOk);
    if (!dayOk || !monthOk || !yearOk || parts[2].size() > 4 || parts[0].size() > 2 || parts[1].size() > 2)
        return std::nullopt;
    if (parts[2].size() <= 2)
        year += year < 50 ? 2000 : 1900;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return fromDate(date);
}

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace Dates
