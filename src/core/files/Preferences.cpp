#include "core/files/Preferences.h"

#include <QSettings>

namespace {

const QString kShowInbreeding = QStringLiteral("Abstammungsnachweis/Inzucht");
const QString kMarkRepeatedAncestors = QStringLiteral("Abstammungsnachweis/Ahnenmarken");
const QString kBestShowResult = QStringLiteral("Stammblatt/BestesAusstellungsergebnis");

} // namespace

Preferences Preferences::load(const QString& file)
{
    const QSettings settings(file, QSettings::IniFormat);
    Preferences p;
    p.certificate.showInbreeding = settings.value(kShowInbreeding, false).toBool();
    p.certificate.markRepeatedAncestors = settings.value(kMarkRepeatedAncestors, false).toBool();
    p.certificate.bestShowResultOnRecordSheet = settings.value(kBestShowResult, false).toBool();
    return p;
}

bool Preferences::save(const QString& file) const
{
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(kShowInbreeding, certificate.showInbreeding);
    settings.setValue(kMarkRepeatedAncestors, certificate.markRepeatedAncestors);
    settings.setValue(kBestShowResult, certificate.bestShowResultOnRecordSheet);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString Preferences::defaultFile()
{
    // Where QSettings puts the user's settings of "Avelor": XDG_CONFIG_HOME honoured.
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Avelor"), QStringLiteral("Avelor"))
        .fileName();
}
