#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

// A language the program can speak: German, in which its texts are written,
// and every language whose translation is built in.
struct Language
{
    QString code; // "de", "en", "nl", …
    QString nativeName; // as its speakers write it: "Deutsch", "English", …
};

namespace Languages {

inline constexpr auto German = "de";

// German first, then the built-in translations in a fixed order.
QList<Language> available();
bool isAvailable(const QString& code);

// The language the system asks for, as gettext reads the environment:
// LC_ALL, else LC_MESSAGES, else LANG names the locale; LANGUAGE (a list
// separated by colons) comes first unless that locale is C or POSIX. With
// none of them set, the system's UI languages (Windows) decide. German when
// nothing asked for is available.
QString fromEnvironment(const std::function<QString(const char*)>& variable, const QStringList& systemUiLanguages);
QString fromSystem();

// The chosen language ("" follows the system) made concrete.
QString resolve(const QString& chosen);

// The locale of dates and numbers shown in a language: Germany's for German.
QLocale localeOf(const QString& code);

} // namespace Languages
