#pragma once

#include <QDate>
#include <QString>

// Dates are stored as days since 30 December 1899; 0 means none.
namespace Dates {

QDate toDate(double days);
double fromDate(const QDate& date);

// German short forms, whatever the machine's locale.
QString dayMonthShortYear(double days); // 05.03.14
QString dayMonthYear(double days); // 05.03.2014
QString today(); // the date of printing

} // namespace Dates
