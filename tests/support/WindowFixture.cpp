#include "support/WindowFixture.h"

#include "app/Startup.h"
#include "core/files/DataFolder.h"
#include "core/stock/PreferencesStore.h"
#include "core/stock/StockDocument.h"
#include "support/FileHelpers.h"
#include "ui/mainwindow/MainWindow.h"

#include <QDialog>
#include <QDir>

void click(const QObject* parent, const char* name)
{
    QTest::mouseClick(child<QPushButton>(parent, name), Qt::LeftButton);
}

void type(const QObject* parent, const char* name, const QString& text)
{
    if (auto* combo = parent->findChild<QComboBox*>(QString::fromLatin1(name)); combo && combo->isEditable()) {
        combo->setEditText(text);
        return;
    }
    auto* edit = child<QLineEdit>(parent, name);
    edit->clear();
    // Key clicks know ASCII only; other characters arrive as typed text, as an input method gives them.
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii)
        QTest::keyClicks(edit, text);
    else
        edit->insert(text);
}

QStringList entries(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

void choose(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        qFatal("no entry %s", qPrintable(text));
    combo->setCurrentIndex(index);
}

TestHome::TestHome(bool makeFolders)
{
    // Data, settings and the documents folder (for backups) all lie in the temporary home.
    useTestHome(m_dir.path());
    if (makeFolders)
        QDir().mkpath(DataFolder::path() + QStringLiteral("Bilder"));
}

WindowFixture::WindowFixture(StockData db)
{
    configureApplication();
    m_stock = std::make_unique<StockDocument>(std::move(db), DataFiles(DataFolder::path()));
    m_preferences = std::make_unique<PreferencesStore>();
    m_preferences->keepHistoryIn(*m_stock);
    m_window = std::make_unique<MainWindow>(*m_stock, *m_preferences);
    m_window->show();
}

WindowFixture::~WindowFixture() = default;

const AnimalTable& WindowFixture::animals() const
{
    return m_stock->animals();
}

void WindowFixture::change(const std::function<void(StockData&)>& edit)
{
    StockData db = m_stock->data();
    edit(db);
    m_stock->replaceAll(std::move(db));
}

QDialog* WindowFixture::open(const char* button, const char* dialog)
{
    click(m_window.get(), button);
    auto* d = child<QDialog>(m_window.get(), dialog);
    if (!d->isVisible())
        qFatal("%s did not open", dialog);
    return d;
}
