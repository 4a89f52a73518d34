#pragma once

#include "core/model/AnimalRecords.h"

#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;
class ShowResultDialog;
class StockDocument;

// "Ausstellungen": the show results of one bird, each with the sum of the
// collection it belongs to. Part of the change dialog: new, changed and
// deleted results wait here, like the dialog's other fields, until the
// dialog stores the bird.
class ShowResultsPanel : public QWidget
{
    Q_OBJECT

public:
    ShowResultsPanel(StockDocument& stock, QWidget* parent = nullptr);
    ~ShowResultsPanel() override;

    // The bird whose results are shown; none: nothing shown, nothing to add.
    void setRing(const std::optional<QString>& ring);
    QTableWidget* table() const { return m_table; }
    // The results as the breeder left them; nothing when they are as stored.
    std::optional<std::vector<ShowResult>> input() const;

private:
    void fill();
    void openEntry(const ShowResult& result);
    void take(const ShowResult& result);
    void removeSelected();
    // The result chosen in the table; none (and the breeder told so) when none is.
    const ShowResult* selected();

    StockDocument& m_stock;
    std::optional<QString> m_ring;
    std::vector<ShowResult> m_stored;
    std::vector<ShowResult> m_results; // as the breeder left them; new ones without an id
    int m_editedRow = -1; // the row the entry dialog changes; -1: a new result
    QTableWidget* m_table = nullptr;
    QLabel* m_best = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_change = nullptr;
    QPushButton* m_remove = nullptr;
    std::unique_ptr<ShowResultDialog> m_entry;
};
