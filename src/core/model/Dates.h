#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Dates are stored as days since 30 December 1899; 0 means none.
namespace Dates {

QDate toDate(double days);
double fromDate(const QDate& date);

// The one German form of a date, 05.03.2014, whatever the machine's locale;
// empty for an invalid date.
QString text(const QDate& date);
// A date in that form exactly; invalid for anything else.
QDate fromText(const QString& text);

// German short forms, whatever the machine's locale.
QString dayMonthShortYear(double days); // 05.03.14
QString dayMonthYear(double days); // 05.03.2014
QString today(); // the date of printing
// A date as the breeding dialog shows it: empty for none.
QString shown(double days);

// A date typed as day.month.year in digits; a two-digit year is 1950 to
// 2049, a four-digit one from 1900 on. Nothing for anything else, 31.02.2024
// and signs included.
std::optional<double> parse(const QString& text);

// A date as the windows show it, in the language of the texts being made:
// the German form above in German, the language's own short form (with the
// full year) in the others; empty for an invalid date or none.
QString local(const QDate& date);
QString localDays(double days);
// A date typed in a window: the German form always, and the language's own.
std::optional<double> parseLocal(const QString& text);

} // namespace Dates
