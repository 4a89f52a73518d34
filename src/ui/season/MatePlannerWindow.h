#pragma once

#include "core/season/MatePlanner.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QHash>

#include <functional>
#include <memory>

class BreedFilter;
class QComboBox;
class QLabel;
class QTableView;
class StockDocument;

// The candidates of a ranking as a table the view asks for row by row, so
// fifty thousand of them show at once.
class MateTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // The colours of the young with a candidate, worked out only for the rows shown.
    using ColoursOf = std::function<QString(const MateCandidate&)>;
    void setCandidates(std::vector<MateCandidate> candidates, ColoursOf colours = {});
    const MateCandidate* candidate(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<MateCandidate> m_candidates;
    ColoursOf m_coloursOf;
    mutable QHash<int, QString> m_colours; // by row
};

// "Partnersuche": every bird of the other sex that could be paired with the
// chosen one, the least related first, the close ones marked; from the list
// the pair is made in one step.
class MatePlannerWindow : public QDialog
{
    Q_OBJECT

public:
    explicit MatePlannerWindow(StockDocument& stock, QWidget* parent = nullptr);
    ~MatePlannerWindow() override;

    // Opens with this bird chosen (from another window).
    void choose(const QString& ring);
    MateTableModel* model() const { return m_model; }

signals:
    // The breeding dialog is to make this pair.
    void pairRequested(const QString& cockRing, const QString& henRing);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillAnimals();
    void rank();
    void pairChosen();

    StockDocument& m_stock;
    QComboBox* m_animal = nullptr;
    BreedFilter* m_breed = nullptr;
    QTableView* m_table = nullptr;
    MateTableModel* m_model = nullptr;
    QLabel* m_summary = nullptr;
};
