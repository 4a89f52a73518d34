#include "support/GuiHelpers.h"

#include "core/files/DataFolder.h"
#include "ui/mainwindow/MainWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QLabel>
#include <QPlainTextEdit>

QStringList unnamedControls(const QWidget* window)
{
    QSet<const QWidget*> labelled;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy())
            labelled.insert(label->buddy());
    }
    QStringList unnamed;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        // Parts of a composite control (a combo's edit and popup, a spin box's edit) are named with it.
        bool part = false;
        for (const QObject* p = w->parent(); p && p != window; p = p->parent())
            part = part || qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p);
        if (part)
            continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            if (button->text().isEmpty() && button->accessibleName().isEmpty())
                unnamed << w->objectName();
            continue;
        }
        const bool input = qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w)
            || qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
            || qobject_cast<const QAbstractItemView*>(w);
        if (input && !labelled.contains(w) && w->accessibleName().isEmpty())
            unnamed << w->objectName();
    }
    return unnamed;
}

TestHome::TestHome(bool makeFolders)
{
    qputenv("XDG_DATA_HOME", m_dir.path().toUtf8());
    if (makeFolders)
        QDir().mkpath(DataFolder::picturesFolder());
}

std::unique_ptr<MainWindow> openMainWindow(Database db)
{
    auto window = std::make_unique<MainWindow>(std::move(db), DataFiles(DataFolder::path()));
    window->show();
    return window;
}
