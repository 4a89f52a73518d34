#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QTableWidget;
class StockDocument;

// "Ausstellungsergebnisse": the entries of one show, each bird with its
// points, and the sum of every collection shown there.
class ShowsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ShowsWindow(const StockDocument& stock, QWidget* parent = nullptr);

signals:
    // Double-click on an entry: show the bird's certificate.
    void pedigreeRequested(const QString& ring);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showEntries();
    void saveCsv();

    const StockDocument& m_stock;
    QComboBox* m_show = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_collections = nullptr;
};
