// A date as a breeder types it into a dialog: understood or not, and what is
// understood is a real date that reads back as the same day.
#include "core/model/Dates.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 64)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<double> days = Dates::parse(text);
    if (!days)
        return 0;
    const QDate date = Dates::toDate(*days);
    if (!date.isValid() || *days < 1 || date.year() < 1900 || date.year() > 9999)
        std::abort();
    if (Dates::parse(Dates::dayMonthYear(*days)) != days)
        std::abort();
    if (date.year() >= 1950 && date.year() < 2050 && Dates::parse(Dates::dayMonthShortYear(*days)) != days)
        std::abort();
    for (const QChar c : text.trimmed())
        if (c != QLatin1Char('.') && (c < QLatin1Char('0') || c > QLatin1Char('9')))
            std::abort(); // only digits and dots are a date
    return 0;
}
