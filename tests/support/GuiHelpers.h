#pragma once

#include "support/SampleAnimals.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

// Small helpers for clicking through windows by object name.
template<typename T = QWidget> T* child(const QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child named %s", name);
    return found;
}

inline void click(const QObject* parent, const char* name)
{
    QTest::mouseClick(child<QPushButton>(parent, name), Qt::LeftButton);
}

inline void type(const QObject* parent, const char* name, const QString& text)
{
    if (auto* combo = parent->findChild<QComboBox*>(QString::fromLatin1(name)); combo && combo->isEditable()) {
        combo->setEditText(text);
        return;
    }
    auto* edit = child<QLineEdit>(parent, name);
    edit->clear();
    QTest::keyClicks(edit, text);
}

inline QStringList entries(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// Every input a screen reader must be able to name has a label pointing at it
// or a name of its own; returns the object names of those that have neither.
QStringList unnamedControls(const QWidget* window);

class MainWindow;
struct Database;

// A fresh, empty home for the program's data (XDG_DATA_HOME), with the data
// and picture folders made or not, for the lifetime of the object.
class TestHome
{
public:
    explicit TestHome(bool makeFolders = true);
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// The main window over db, shown, saving into the current home's data folder.
std::unique_ptr<MainWindow> openMainWindow(Database db);
