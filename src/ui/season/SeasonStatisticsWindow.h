#pragma once

#include <QDialog>

class QComboBox;
class QTabWidget;
class SeasonTableWidget;
class StockDocument;

// "Zuchtstatistik": clutches, eggs, hatched, ringed and weaned young with
// their rates, per pair of a season with the season's totals, and per cock
// and per hen over every pair they were in. Sortable, printable, as CSV.
class SeasonStatisticsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit SeasonStatisticsWindow(const StockDocument& stock, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fill();
    SeasonTableWidget* current() const;
    QString subtitle() const;
    void print();
    void saveCsv();

    const StockDocument& m_stock;
    QComboBox* m_season = nullptr;
    QTabWidget* m_tabs = nullptr;
    SeasonTableWidget* m_pairs = nullptr;
    SeasonTableWidget* m_cocks = nullptr;
    SeasonTableWidget* m_hens = nullptr;
};
