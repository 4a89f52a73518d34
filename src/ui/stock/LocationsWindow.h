#pragma once

#include <QDialog>

class LocationTableModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class StockDocument;

// "Standorte": which bird sits in which cage, flight or room. Birds chosen
// in the list are moved to a place together, as one step; the list of a
// place, or of all, prints and saves as CSV.
class LocationsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit LocationsWindow(StockDocument& stock, QWidget* parent = nullptr);

    // Moves the birds chosen in the list to the place typed under "Umsetzen nach:".
    void moveChosen();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void reload();
    void showBirds();
    std::optional<QString> shownPlace() const;
    QString listTitle() const;
    void print();
    void saveCsv();

    StockDocument& m_stock;
    QComboBox* m_filter = nullptr;
    QTableView* m_table = nullptr;
    LocationTableModel* m_model = nullptr;
    QLabel* m_count = nullptr;
    QComboBox* m_target = nullptr;
    QLineEdit* m_date = nullptr;
};
