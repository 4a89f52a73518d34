#include "ui/mainwindow/UndoButtons.h"

#include "core/stock/StockDocument.h"
#include "ui/common/UndoShortcuts.h"
#include "ui/mainwindow/CommandButton.h"

#include <QHBoxLayout>
#include <QPushButton>

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
    m_shortcuts = new UndoShortcuts(stock, parent ? parent->window() : this);
    connect(m_undo, &QPushButton::clicked, m_shortcuts, &UndoShortcuts::undo);
    connect(m_redo, &QPushButton::clicked, m_shortcuts, &UndoShortcuts::redo);

    connect(&m_stock, &StockDocument::historyChanged, this, &UndoButtons::follow);
    follow();
}

void UndoButtons::follow()
{
    const UndoHistory& history = m_stock.history();
    describe(m_undo, history.canUndo() ? tr("Rückgängig: %1").arg(history.undoText()) : QString());
    describe(m_redo, history.canRedo() ? tr("Wiederholen: %1").arg(history.redoText()) : QString());
}
