#include "ui/common/UndoShortcuts.h"

#include "core/stock/StockDocument.h"
#include "ui/common/Messages.h"

#include <QShortcut>
#include <QWidget>

UndoShortcuts::UndoShortcuts(StockDocument& stock, QWidget* window, std::function<void()> reload)
    : QObject(window), m_stock(stock), m_window(window), m_reload(std::move(reload))
{
    for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::Undo))
        connect(new QShortcut(keys, window), &QShortcut::activated, this, &UndoShortcuts::undo);
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}) {
        if (!redoKeys.contains(keys))
            redoKeys << keys;
    }
    for (const QKeySequence& keys : redoKeys)
        connect(new QShortcut(keys, window), &QShortcut::activated, this, &UndoShortcuts::redo);
}

void UndoShortcuts::undo()
{
    step(&StockDocument::undo);
}

void UndoShortcuts::redo()
{
    step(&StockDocument::redo);
}

void UndoShortcuts::step(QString (StockDocument::*direction)())
{
    const bool possible = direction == &StockDocument::undo ? m_stock.history().canUndo() : m_stock.history().canRedo();
    if (!possible)
        return;
    if (const QString failure = (m_stock.*direction)(); !failure.isEmpty()) {
        Messages::current().warn(m_window, failure);
        return;
    }
    if (m_reload)
        m_reload();
}
