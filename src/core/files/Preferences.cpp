#include "core/files/Preferences.h"

#include "core/files/SpecialFolder.h"

#include <QSettings>

namespace {

const QString kShowInbreeding = QStringLiteral("Abstammungsnachweis/Inzucht");
const QString kMarkRepeatedAncestors = QStringLiteral("Abstammungsnachweis/Ahnenmarken");
const QString kBestShowResult = QStringLiteral("Stammblatt/BestesAusstellungsergebnis");
const QString kPrintLanguage = QStringLiteral("Ausdrucke/Sprache");
const QString kLanguage = QStringLiteral("Programm/Sprache");
// The calendar's days, each with the default it falls back to.
const std::pair<QString, int CalendarDays::*> kCalendarDays[] = {
    {QStringLiteral("Zuchtkalender/Schieren"), &CalendarDays::candling},
    {QStringLiteral("Zuchtkalender/Schlupf"), &CalendarDays::hatching},
    {QStringLiteral("Zuchtkalender/Beringen"), &CalendarDays::ringing},
    {QStringLiteral("Zuchtkalender/Absetzen"), &CalendarDays::weaning},
    {QStringLiteral("Zuchtkalender/Vorschau"), &CalendarDays::lookAhead},
};

} // namespace

Preferences Preferences::load(const QString& file)
{
    const QSettings settings(file, QSettings::IniFormat);
    Preferences p;
    p.certificate.showInbreeding = settings.value(kShowInbreeding, false).toBool();
    p.certificate.markRepeatedAncestors = settings.value(kMarkRepeatedAncestors, false).toBool();
    p.certificate.bestShowResultOnRecordSheet = settings.value(kBestShowResult, false).toBool();
    p.certificate.printLanguage = settings.value(kPrintLanguage).toString();
    p.language = settings.value(kLanguage).toString();
    for (const auto& [key, day] : kCalendarDays) {
        bool number = false;
        const int value = settings.value(key).toInt(&number);
        if (number && value >= 0 && value <= 365)
            p.calendar.*day = value;
    }
    return p;
}

bool Preferences::save(const QString& file) const
{
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(kShowInbreeding, certificate.showInbreeding);
    settings.setValue(kMarkRepeatedAncestors, certificate.markRepeatedAncestors);
    settings.setValue(kBestShowResult, certificate.bestShowResultOnRecordSheet);
    settings.setValue(kPrintLanguage, certificate.printLanguage);
    settings.setValue(kLanguage, language);
    for (const auto& [key, day] : kCalendarDays)
        settings.setValue(key, calendar.*day);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString Preferences::defaultFile()
{
#ifdef Q_OS_WIN
    // Where QSettings puts them on Windows too, but through the one look-up of the special folders.
    return specialFolder(SpecialFolder::AppData) + QStringLiteral("/Avelor/Avelor.ini");
#else
    // Where QSettings puts the user's settings of "Avelor": XDG_CONFIG_HOME honoured.
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Avelor"), QStringLiteral("Avelor"))
        .fileName();
#endif
}
