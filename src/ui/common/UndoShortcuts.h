#pragma once

#include <QObject>

#include <functional>

class StockDocument;
class QWidget;

// Ctrl+Z takes the last change back, Ctrl+Y and Ctrl+Shift+Z do it again, in
// the window they are given to. A text field with focus keeps Ctrl+Z for its
// own typing. A refusal is shown; after a step the window reloads what it
// shows, since the data under it changed.
class UndoShortcuts : public QObject
{
    Q_OBJECT

public:
    UndoShortcuts(StockDocument& stock, QWidget* window, std::function<void()> reload = {});

    void undo();
    void redo();

private:
    void step(QString (StockDocument::*direction)());

    StockDocument& m_stock;
    QWidget* m_window;
    std::function<void()> m_reload;
};
