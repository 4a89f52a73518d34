#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;
class StockDocument;

// "Ringbestand": the club rings delivered per year, how many of each range
// are on a bird and how many are left, a ring worn twice, and the order for
// next year. Deliveries are entered and deleted as undo steps.
class RingStockWindow : public QDialog
{
    Q_OBJECT

public:
    explicit RingStockWindow(StockDocument& stock, QWidget* parent = nullptr);

    // Enters the delivery typed under "Neue Lieferung".
    void enterDelivery();
    // Deletes the delivery chosen in the list, after asking.
    void deleteChosen();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildDeliveryForm();
    void fill();
    void showTypedRange();

    StockDocument& m_stock;
    QSpinBox* m_shownYear = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_twice = nullptr;
    QLabel* m_order = nullptr;
    QSpinBox* m_year = nullptr;
    QLineEdit* m_club = nullptr;
    QLineEdit* m_size = nullptr;
    QLineEdit* m_colour = nullptr;
    QLineEdit* m_prefix = nullptr;
    QSpinBox* m_first = nullptr;
    QSpinBox* m_last = nullptr;
    QSpinBox* m_digits = nullptr;
    QLabel* m_typedRange = nullptr;
    std::vector<qint64> m_shownIds; // the delivery of each row
};
