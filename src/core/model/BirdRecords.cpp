#include "core/model/BirdRecords.h"

namespace BirdRecordWords {

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

QString points(int halfPoints)
{
    return QString::number(halfPoints / 2) + (halfPoints % 2 ? QStringLiteral(",5") : QString());
}

} // namespace BirdRecordWords
