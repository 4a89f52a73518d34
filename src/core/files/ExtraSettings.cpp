#include "core/files/ExtraSettings.h"

#include <QSettings>

ExtraSettings ExtraSettings::load()
{
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Avelor"),
                             QStringLiteral("Avelor"));
    ExtraSettings extra;
    extra.inbreedingOnCertificate = settings.value(QStringLiteral("Abstammungsnachweis/Inzucht"), false).toBool();
    extra.markRepeatedAncestors = settings.value(QStringLiteral("Abstammungsnachweis/Ahnenmarken"), false).toBool();
    return extra;
}

void ExtraSettings::save() const
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Avelor"), QStringLiteral("Avelor"));
    settings.setValue(QStringLiteral("Abstammungsnachweis/Inzucht"), inbreedingOnCertificate);
    settings.setValue(QStringLiteral("Abstammungsnachweis/Ahnenmarken"), markRepeatedAncestors);
}
