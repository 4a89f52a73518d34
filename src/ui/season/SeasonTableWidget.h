#pragma once

#include "core/season/SeasonTables.h"

#include <QAbstractTableModel>
#include <QTableView>

#include <memory>

class ReportPages;

// A season's list as a model: the view asks for the rows it shows, so a
// calendar of a hundred thousand tasks opens at once. Sorting a column sorts
// numbers and dates as such and keeps each row's entry with it.
class SeasonTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(SeasonTable table, std::vector<int> keys);
    const SeasonTable& table() const { return m_table; }
    int entryOf(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    SeasonTable m_table;
    std::vector<int> m_keys;
};

// The view of a season's list in a window, sortable by any column.
class SeasonTableWidget : public QTableView
{
    Q_OBJECT

public:
    explicit SeasonTableWidget(QWidget* parent = nullptr);

    // `keys` (optional) gives each row's entry back through entryOf, whatever the sorting.
    void show(const SeasonTable& table, const std::vector<int>& keys = {});
    int rowCount() const { return m_model->rowCount(); }
    QString text(int row, int column) const;
    int entryOf(int row) const { return m_model->entryOf(row); }
    // The rows in the order shown, for printing what the breeder sees.
    const SeasonTable& shown() const { return m_model->table(); }
    SeasonTableModel* model() const { return m_model; }

signals:
    // A row double-clicked or entered.
    void rowActivated(int row);

private:
    SeasonTableModel* m_model;
};

// The printed form of a season's list, its columns as wide as given (millimetres, 190 in all).
std::shared_ptr<ReportPages> seasonPages(const SeasonTable& table, const QString& title, const QString& subtitle,
                                         const std::vector<double>& widths);
