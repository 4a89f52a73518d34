#pragma once

#include <QDialog>

class QLineEdit;
class StockDocument;

// The breeder's own name and address for the head of the certificate. Not
// modal; "Speichern" stores, the close box discards.
class BreederDataDialog : public QDialog
{
    Q_OBJECT

public:
    BreederDataDialog(StockDocument& stock, QWidget* parent = nullptr);

    // Puts the stored texts into the fields and shows the dialog.
    void showStoredData();

private:
    void loadStoredData();
    void save();

    StockDocument& m_stock;
    QLineEdit* m_fields[7] {};
};
