#include "core/language/Languages.h"

#include <QFile>
#include <QRegularExpression>

namespace {

struct Known
{
    const char* code;
    const char* nativeName;
    QLocale::Language language;
    QLocale::Territory territory;
};

// Each with the country whose conventions its breeders mostly follow.
constexpr Known known[] = {
    {"de", "Deutsch", QLocale::German, QLocale::Germany},
    {"en", "English", QLocale::English, QLocale::UnitedKingdom},
    {"nl", "Nederlands", QLocale::Dutch, QLocale::Netherlands},
    {"fr", "Français", QLocale::French, QLocale::France},
    {"es", "Español", QLocale::Spanish, QLocale::Spain},
    {"it", "Italiano", QLocale::Italian, QLocale::Italy},
    {"pt", "Português", QLocale::Portuguese, QLocale::Portugal},
};

bool builtIn(const char* code)
{
    return qstrcmp(code, Languages::German) == 0
        || QFile::exists(QStringLiteral(":/i18n/avelor_%1.qm").arg(QLatin1String(code)));
}

// "pt_BR.UTF-8", "nl-BE", "fr" → "pt", "nl", "fr"; "" for anything else.
QString languageCodeOf(QString name)
{
    name = name.trimmed();
    const qsizetype end = name.indexOf(QRegularExpression(QStringLiteral("[_.@-]")));
    if (end >= 0)
        name.truncate(end);
    return name.toLower();
}

} // namespace

namespace Languages {

QList<Language> available()
{
    QList<Language> result;
    for (const Known& k : known) {
        if (builtIn(k.code))
            result.append({QString::fromLatin1(k.code), QString::fromUtf8(k.nativeName)});
    }
    return result;
}

bool isAvailable(const QString& code)
{
    for (const Known& k : known) {
        if (code == QLatin1String(k.code))
            return builtIn(k.code);
    }
    return false;
}

QString fromEnvironment(const std::function<QString(const char*)>& variable, const QStringList& systemUiLanguages)
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(name);
        if (!locale.isEmpty())
            break;
    }
    QStringList wanted;
    const bool plain
        = locale == QLatin1String("C") || locale.startsWith(QLatin1String("C.")) || locale == QLatin1String("POSIX");
    if (!plain)
        wanted = variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (!locale.isEmpty())
        wanted.append(locale);
    else
        wanted.append(systemUiLanguages);
    for (const QString& name : std::as_const(wanted)) {
        const QString code = languageCodeOf(name);
        if (isAvailable(code))
            return code;
    }
    return QString::fromLatin1(German);
}

QString fromSystem()
{
    return fromEnvironment([](const char* name) { return qEnvironmentVariable(name); },
                           QLocale::system().uiLanguages());
}

QString resolve(const QString& chosen)
{
    return isAvailable(chosen) ? chosen : fromSystem();
}

QLocale localeOf(const QString& code)
{
    for (const Known& k : known) {
        if (code == QLatin1String(k.code))
            return QLocale(k.language, k.territory);
    }
    return QLocale(QLocale::German, QLocale::Germany);
}

} // namespace Languages
