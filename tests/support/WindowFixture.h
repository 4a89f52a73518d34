#pragma once

#include "core/model/StockData.h"
#include "support/FakePrinter.h"
#include "support/ScriptedMessages.h"
#include "support/ScriptedPrompts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

class MainWindow;
class PreferencesStore;
class QDialog;
class StockDocument;

// Small helpers for clicking through windows by object name.
template<typename T = QWidget> T* child(const QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child named %s", name);
    return found;
}

void click(const QObject* parent, const char* name);
// Types into an edit, or sets an editable combo's text.
void type(const QObject* parent, const char* name, const QString& text);
QStringList entries(const QComboBox* combo);
// Selects the entry with exactly this text, as a click in the list would.
void choose(QComboBox* combo, const QString& text);

// A fresh, empty home (HOME, XDG_DATA_HOME) for the program's data and its
// backups, for the lifetime of the object, with the data and picture folders
// made or not.
class TestHome
{
public:
    explicit TestHome(bool makeFolders = true);
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// One window test's world: an empty home, scripted messages, choosers and
// printer, and the main window over a stock document of the given data,
// shown. Nothing in it ever waits for a person.
class WindowFixture
{
public:
    explicit WindowFixture(StockData db = {});
    ~WindowFixture();

    StockDocument& stock() { return *m_stock; }
    PreferencesStore& preferences() { return *m_preferences; }
    MainWindow* window() { return m_window.get(); }
    const AnimalTable& animals() const;
    QString home() const { return m_home.path(); }

    // Changes the data as a restore would, through the document.
    void change(const std::function<void(StockData&)>& edit);
    // Clicks a main-window button and returns the dialog it opened.
    QDialog* open(const char* button, const char* dialog);

    ScriptedMessages messages;
    ScriptedPrompts prompts;
    FakePrinter printer;

private:
    TestHome m_home;
    std::unique_ptr<StockDocument> m_stock;
    std::unique_ptr<PreferencesStore> m_preferences;
    std::unique_ptr<MainWindow> m_window;
};
