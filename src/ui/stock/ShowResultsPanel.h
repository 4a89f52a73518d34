#pragma once

#include "core/model/BirdRecords.h"

#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;
class ShowResultDialog;
class StockDocument;

// "Ausstellungen": the show results of one bird, each with the sum of the
// collection it belongs to; new, changed and deleted through the stock
// document, each stored at once. Part of the change dialog.
class ShowResultsPanel : public QWidget
{
    Q_OBJECT

public:
    ShowResultsPanel(StockDocument& stock, QWidget* parent = nullptr);
    ~ShowResultsPanel() override;

    // The bird whose results are shown; none: nothing shown, nothing to add.
    void setRing(const std::optional<QString>& ring);
    QTableWidget* table() const { return m_table; }

private:
    void fill();
    void openEntry(const ShowResult& result);
    void store(const ShowResult& result);
    void removeSelected();
    // The result chosen in the table; none (and the breeder told so) when none is.
    const ShowResult* selected();

    StockDocument& m_stock;
    std::optional<QString> m_ring;
    std::vector<ShowResult> m_results;
    QTableWidget* m_table = nullptr;
    QLabel* m_best = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_change = nullptr;
    QPushButton* m_remove = nullptr;
    std::unique_ptr<ShowResultDialog> m_entry;
};
