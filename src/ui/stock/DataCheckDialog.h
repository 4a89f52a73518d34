#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class StockDocument;

// "Datenprüfung" (Alt+F11): what the check of the stock found, one finding a line.
class DataCheckDialog : public QDialog
{
    Q_OBJECT

public:
    DataCheckDialog(const StockDocument& stock, QWidget* parent = nullptr);

protected:
    // Each opening checks the stock as it is now.
    void showEvent(QShowEvent* event) override;

private:
    const StockDocument& m_stock;
    QLabel* m_summary = nullptr;
    QPlainTextEdit* m_findings = nullptr;
};
