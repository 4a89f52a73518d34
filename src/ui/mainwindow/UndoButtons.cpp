#include "ui/mainwindow/UndoButtons.h"

#include "core/stock/StockDocument.h"
#include "ui/common/Messages.h"
#include "ui/mainwindow/CommandButton.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>

namespace {

void describe(QPushButton* button, const QString& what)
{
    button->setEnabled(!what.isEmpty());
    button->setToolTip(what);
    button->setAccessibleDescription(what);
}

} // namespace

UndoButtons::UndoButtons(StockDocument& stock, QWidget* parent) : QWidget(parent), m_stock(stock)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_undo = commandButton(tr("Rückgängig"), "undoButton", this);
    m_redo = commandButton(tr("Wiederholen"), "redoButton", this);
    layout->addWidget(m_undo);
    layout->addWidget(m_redo);
    connect(m_undo, &QPushButton::clicked, this, &UndoButtons::undo);
    connect(m_redo, &QPushButton::clicked, this, &UndoButtons::redo);

    QWidget* window = parent ? parent->window() : this;
    for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::Undo))
        connect(new QShortcut(keys, window), &QShortcut::activated, this, &UndoButtons::undo);
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}) {
        if (!redoKeys.contains(keys))
            redoKeys << keys;
    }
    for (const QKeySequence& keys : redoKeys)
        connect(new QShortcut(keys, window), &QShortcut::activated, this, &UndoButtons::redo);

    connect(&m_stock, &StockDocument::historyChanged, this, &UndoButtons::follow);
    follow();
}

void UndoButtons::undo()
{
    if (const QString failure = m_stock.undo(); !failure.isEmpty())
        Messages::current().warn(window(), failure);
}

void UndoButtons::redo()
{
    if (const QString failure = m_stock.redo(); !failure.isEmpty())
        Messages::current().warn(window(), failure);
}

void UndoButtons::follow()
{
    const UndoHistory& history = m_stock.history();
    describe(m_undo, history.canUndo() ? tr("Rückgängig: %1").arg(history.undoText()) : QString());
    describe(m_redo, history.canRedo() ? tr("Wiederholen: %1").arg(history.redoText()) : QString());
}
