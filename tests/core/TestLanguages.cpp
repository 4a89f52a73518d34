#include "core/language/Languages.h"
#include "core/language/TextLanguage.h"
#include "core/model/Dates.h"

#include <QCoreApplication>
#include <QHash>
#include <QTest>

#include <thread>

namespace {

QString chosenBy(const QHash<QString, QString>& environment, const QStringList& system = {})
{
    return Languages::fromEnvironment([&](const char* name) { return environment.value(QLatin1String(name)); }, system);
}

QString undoText()
{
    return QCoreApplication::translate("UndoButtons", "Rückgängig");
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void germanComesFirstThenTheBuiltInTranslations()
    {
        const QList<Language> languages = Languages::available();
        QCOMPARE(languages.front().code, QStringLiteral("de"));
        QCOMPARE(languages.front().nativeName, QStringLiteral("Deutsch"));
        QVERIFY(Languages::isAvailable(QStringLiteral("en")));
        QVERIFY(!Languages::isAvailable(QStringLiteral("sv")));
    }

    void theEnvironmentNamesTheLanguageAsGettextReadsIt()
    {
        QCOMPARE(chosenBy({{"LANG", "en_GB.UTF-8"}}), QStringLiteral("en"));
        QCOMPARE(chosenBy({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "en_IE.UTF-8"}}), QStringLiteral("en"));
        QCOMPARE(chosenBy({{"LC_MESSAGES", "en_IE.UTF-8"}, {"LC_ALL", "de_AT"}}), QStringLiteral("de"));
        // LANGUAGE is a list of wishes, the first available one wins …
        QCOMPARE(chosenBy({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "sv:en:de"}}), QStringLiteral("en"));
        // … but not under the C locale, which means "untranslated".
        QCOMPARE(chosenBy({{"LC_ALL", "C.UTF-8"}, {"LANGUAGE", "en"}}), QStringLiteral("de"));
        QCOMPARE(chosenBy({{"LANG", "en-US"}}), QStringLiteral("en"));
        QCOMPARE(chosenBy({{"LANG", "sv_SE.UTF-8"}}), QStringLiteral("de"));
        QCOMPARE(chosenBy({{"LANG", "en_US@euro"}}), QStringLiteral("en"));
        // Nothing set (Windows): the user's UI languages.
        QCOMPARE(chosenBy({}, {"sv-SE", "en-US", "de-DE"}), QStringLiteral("en"));
        QCOMPARE(chosenBy({}, {}), QStringLiteral("de"));
    }

    void aChosenLanguageOverridesTheSystemsOnlyWhenAvailable()
    {
        QCOMPARE(Languages::resolve(QStringLiteral("en")), QStringLiteral("en"));
        qputenv("LC_ALL", "C.UTF-8");
        QCOMPARE(Languages::resolve(QStringLiteral("klingonisch")), QStringLiteral("de"));
        QCOMPARE(Languages::resolve(QString()), QStringLiteral("de"));
    }

    void theProgramsLanguageChangesEveryText()
    {
        TextLanguage::install(QStringLiteral("en"));
        QCOMPARE(undoText(), QStringLiteral("Undo"));
        TextLanguage::install(QStringLiteral("de"));
        QCOMPARE(undoText(), QStringLiteral("Rückgängig"));
        QCOMPARE(TextLanguage::program(), QStringLiteral("de"));
    }

    void aPrintoutsLanguageHoldsOnlyForItsThreadAndScope()
    {
        TextLanguage::install(QStringLiteral("de"));
        {
            const TextLanguage::Scope english(QStringLiteral("en"));
            QCOMPARE(TextLanguage::current(), QStringLiteral("en"));
            QCOMPARE(undoText(), QStringLiteral("Undo"));
            QString elsewhere;
            std::thread other([&] { elsewhere = undoText(); });
            other.join();
            QCOMPARE(elsewhere, QStringLiteral("Rückgängig"));
        }
        QCOMPARE(TextLanguage::current(), QStringLiteral("de"));
        QCOMPARE(undoText(), QStringLiteral("Rückgängig"));

        // A German printout from an English program.
        TextLanguage::install(QStringLiteral("en"));
        {
            const TextLanguage::Scope german(QStringLiteral("de"));
            QCOMPARE(undoText(), QStringLiteral("Rückgängig"));
            // Qt's own texts are not ours to answer: they stay with Qt's translators.
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        }
        QCOMPARE(undoText(), QStringLiteral("Undo"));
        TextLanguage::install(QStringLiteral("de"));
    }

    void locales()
    {
        QCOMPARE(Languages::localeOf(QStringLiteral("de")).toString(QDate(2024, 3, 5), QLocale::ShortFormat),
                 QStringLiteral("05.03.24"));
        QCOMPARE(Languages::localeOf(QStringLiteral("nl")).language(), QLocale::Dutch);
        QCOMPARE(Languages::localeOf(QStringLiteral("pt")).territory(), QLocale::Portugal);
    }

    // Windows show and read dates as the language writes them; German ones are always understood.
    void windowDatesFollowTheLanguage()
    {
        const QDate date(2026, 11, 4);
        const std::optional<double> days = Dates::parse(QStringLiteral("04.11.2026"));
        QCOMPARE(Dates::local(date), QStringLiteral("04.11.2026"));
        QVERIFY(!Dates::parseLocal(QStringLiteral("04/11/2026")));
        TextLanguage::install(QStringLiteral("en"));
        QCOMPARE(Dates::local(date), QStringLiteral("04/11/2026"));
        QCOMPARE(Dates::localDays(0), QString());
        QCOMPARE(Dates::parseLocal(QStringLiteral("4/11/2026")), days);
        QCOMPARE(Dates::parseLocal(QStringLiteral("04.11.2026")), days);
        QVERIFY(!Dates::parseLocal(QStringLiteral("31/02/2026")) && !Dates::parseLocal(QStringLiteral("2026/11/04")));
        TextLanguage::install(QStringLiteral("nl"));
        QCOMPARE(Dates::local(date), QStringLiteral("04-11-2026"));
        QCOMPARE(Dates::parseLocal(Dates::local(date)), days);
        {
            const TextLanguage::Scope printout(QStringLiteral("de"));
            QCOMPARE(Dates::local(date), QStringLiteral("04.11.2026"));
        }
        TextLanguage::install(QStringLiteral("de"));
    }
};

QTEST_GUILESS_MAIN(TestLanguages)
#include "TestLanguages.moc"
