#include "core/language/TextLanguage.h"

#include "core/language/Languages.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QTranslator>

#include <map>
#include <memory>

namespace {

std::unique_ptr<QTranslator> load(const QString& file)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/") + file))
        return nullptr;
    return translator;
}

// The program's texts of every built-in language, loaded once at install:
// never while a text is translated, since a QTranslator made or destroyed
// then would wait for the lock that translation holds.
class Catalogues
{
public:
    void loadAll()
    {
        const QMutexLocker lock(&m_mutex);
        for (const Language& language : Languages::available()) {
            if (language.code != QLatin1String(Languages::German) && !m_loaded.contains(language.code))
                m_loaded.emplace(language.code, load(QStringLiteral("avelor_%1.qm").arg(language.code)));
        }
    }

    const QTranslator* of(const QString& code) const
    {
        const QMutexLocker lock(&m_mutex);
        const auto found = m_loaded.find(code);
        return found == m_loaded.end() ? nullptr : found->second.get();
    }

    template<typename Visit> bool any(Visit visit) const
    {
        const QMutexLocker lock(&m_mutex);
        for (const auto& [code, translator] : m_loaded) {
            if (translator && visit(*translator))
                return true;
        }
        return false;
    }

private:
    mutable QMutex m_mutex;
    std::map<QString, std::unique_ptr<QTranslator>> m_loaded;
};

Catalogues& catalogues()
{
    static Catalogues instance;
    return instance;
}

// The innermost live Scope's language on this thread, or none. A plain
// pointer: thread_local objects with destructors crash at thread exit with
// MinGW's runtime.
thread_local const QString* printoutLanguage = nullptr;

// Asked first of all translators: while a printout's language is set on the
// calling thread, answers the program's texts in that language.
class PrintoutTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        if (!printoutLanguage || *printoutLanguage == TextLanguage::program())
            return {};
        if (const QTranslator* wanted = catalogues().of(*printoutLanguage)) {
            QString text = wanted->translate(context, source, disambiguation, n);
            if (!text.isEmpty())
                return text;
        }
        // German, or a text that language lacks: the source, but only for our
        // own texts; Qt's fall through to its translators.
        if (isOurs(context, source, disambiguation, n)) {
            QString text = QString::fromUtf8(source);
            if (n >= 0)
                text.replace(QLatin1String("%n"), QString::number(n));
            return text;
        }
        return {};
    }

private:
    static bool isOurs(const char* context, const char* source, const char* disambiguation, int n)
    {
        return catalogues().any([&](const QTranslator& catalogue) {
            return !catalogue.translate(context, source, disambiguation, n).isEmpty();
        });
    }
};

struct Installed
{
    QString program = QString::fromLatin1(Languages::German);
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
    std::unique_ptr<PrintoutTranslator> printout;
};

Installed& installed()
{
    static Installed instance;
    return instance;
}

} // namespace

namespace TextLanguage {

void install(const QString& code)
{
    Installed& now = installed();
    for (QTranslator* translator : {static_cast<QTranslator*>(now.printout.get()), now.own.get(), now.qt.get()}) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
    }
    now.program = Languages::isAvailable(code) ? code : QString::fromLatin1(Languages::German);
    now.qt = load(QStringLiteral("qtbase_%1.qm").arg(now.program));
    now.own = now.program == QLatin1String(Languages::German) ? nullptr
                                                              : load(QStringLiteral("avelor_%1.qm").arg(now.program));
    catalogues().loadAll();
    if (!now.printout)
        now.printout = std::make_unique<PrintoutTranslator>();
    // The last installed is asked first.
    for (QTranslator* translator : {now.qt.get(), now.own.get(), static_cast<QTranslator*>(now.printout.get())}) {
        if (translator)
            QCoreApplication::installTranslator(translator);
    }
}

QString program()
{
    return installed().program;
}

QString current()
{
    return printoutLanguage ? *printoutLanguage : program();
}

Scope::Scope(const QString& code)
    : m_language(Languages::isAvailable(code) ? code : program()), m_previous(printoutLanguage)
{
    printoutLanguage = &m_language;
}

Scope::~Scope()
{
    printoutLanguage = m_previous;
}

} // namespace TextLanguage
