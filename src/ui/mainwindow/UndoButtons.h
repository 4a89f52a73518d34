#pragma once

#include <QWidget>

class QPushButton;
class StockDocument;
class UndoShortcuts;

// "Rückgängig" and "Wiederholen" with what each would do in its tooltip and
// accessible description, and the usual shortcuts on the window they sit in.
// They follow the document's history.
class UndoButtons : public QWidget
{
    Q_OBJECT

public:
    explicit UndoButtons(StockDocument& stock, QWidget* parent);

private:
    void follow();

    StockDocument& m_stock;
    QPushButton* m_undo = nullptr;
    QPushButton* m_redo = nullptr;
    UndoShortcuts* m_shortcuts = nullptr;
};
