#pragma once

#include "core/import/StockImport.h"

#include <QAbstractTableModel>

// What each row of an import would do, for a list of any length: line,
// ring, and new, the fields it changes, unchanged, or why it cannot be.
class ImportPreviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setPlan(const ImportPlan* plan);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The outcome of a row in words.
    static QString outcome(const ImportRow& row);

private:
    const ImportPlan* m_plan = nullptr;
};
