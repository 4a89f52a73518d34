#pragma once

#include <QDialog>

class QLineEdit;
class StockDocument;

// "Komplette Datenbank löschen und neu anfangen": the word "neu" typed in any
// letter case empties the stock, the breeder data and the pairs.
class WipeDatabaseDialog : public QDialog
{
    Q_OBJECT

public:
    WipeDatabaseDialog(StockDocument& stock, QWidget* parent = nullptr);

    // Empties the word field, then shows the dialog.
    void open() override;

private:
    // The word to type; it follows the language the dialog is shown in.
    static QString confirmationWord();
    void confirm();

    StockDocument& m_stock;
    QLineEdit* m_word = nullptr;
};
