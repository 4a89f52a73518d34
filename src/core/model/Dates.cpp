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

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace Dates
