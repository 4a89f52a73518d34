#include "core/model/Dates.h"

#include <QLocale>
#include <QRegularExpression>

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

namespace {
const QString kDateForm = QStringLiteral("dd.MM.yyyy");
}

QString text(const QDate& date)
{
    return date.toString(kDateForm);
}

QDate fromText(const QString& text)
{
    return QDate::fromString(text, kDateForm);
}

QString dayMonthYear(double days)
{
    return text(toDate(days));
}

QString shown(double days)
{
    return days == 0 ? QString() : dayMonthYear(days);
}

std::optional<double> parse(const QString& text)
{
    // Digits only: no sign, no blanks inside, no digits of other scripts.
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,2})\\.([0-9]{1,2})\\.([0-9]{2}|[0-9]{4})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int day = match.captured(1).toInt();
    const int month = match.captured(2).toInt();
    int year = match.captured(3).toInt();
    if (match.capturedLength(3) == 2)
        year += year < 50 ? 2000 : 1900;
    else if (year < 1900)
        return std::nullopt; // before the first day the files can hold
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return fromDate(date);
}

QString today()
{
    return text(QDate::currentDate());
}

} // namespace Dates
