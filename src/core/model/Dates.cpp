#include "core/model/Dates.h"

#include "core/language/Languages.h"
#include "core/language/TextLanguage.h"

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
    // Written by hand for the years of a stock: the pair list writes one per pair,
    // and QDate::toString reads its format afresh every time.
    const QDate date = toDate(days);
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    if (!date.isValid() || year < 1 || year > 9999)
        return date.toString(QStringLiteral("dd.MM.yy"));
    const char16_t text[] = {char16_t(u'0' + day / 10),        char16_t(u'0' + day % 10),   u'.',
                             char16_t(u'0' + month / 10),      char16_t(u'0' + month % 10), u'.',
                             char16_t(u'0' + year % 100 / 10), char16_t(u'0' + year % 10)};
    return QString(reinterpret_cast<const QChar*>(text), 8);
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

namespace {

// The language's short date form with the full year ("dd/MM/yyyy"); empty in German.
QString localForm()
{
    const QString language = TextLanguage::current();
    if (language == QLatin1String(Languages::German))
        return {};
    QString form = Languages::localeOf(language).dateFormat(QLocale::ShortFormat);
    if (!form.contains(QLatin1String("yyyy")))
        form.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return form;
}

} // namespace

QString local(const QDate& date)
{
    const QString form = localForm();
    return form.isEmpty() ? text(date) : date.toString(form);
}

QString localDays(double days)
{
    return days == 0 ? QString() : local(toDate(days));
}

std::optional<double> parseLocal(const QString& typed)
{
    if (const std::optional<double> german = parse(typed))
        return german;
    const QString form = localForm();
    if (form.isEmpty())
        return std::nullopt;
    // The language's order of day, month and year, with any of its separators.
    const qsizetype d = form.indexOf(QLatin1Char('d'));
    const qsizetype m = form.indexOf(QLatin1Char('M'));
    const qsizetype y = form.indexOf(QLatin1Char('y'));
    static const QRegularExpression parts(QStringLiteral("^([0-9]{1,4})[./-]([0-9]{1,2})[./-]([0-9]{1,4})$"));
    const QRegularExpressionMatch match = parts.match(typed.trimmed());
    if (!match.hasMatch() || d < 0 || m < 0 || y < 0)
        return std::nullopt;
    const auto rank = [&](qsizetype at) {
        return int(at > d) + int(at > m) + int(at > y);
    };
    const QString day = match.captured(1 + rank(d));
    const QString month = match.captured(1 + rank(m));
    const QString year = match.captured(1 + rank(y));
    if (day.size() > 2 || (year.size() != 2 && year.size() != 4))
        return std::nullopt;
    return parse(day + QLatin1Char('.') + month + QLatin1Char('.') + year);
}

} // namespace Dates
