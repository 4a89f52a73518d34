#pragma once

#include "core/stock/Locations.h"

#include <QAbstractTableModel>

class StockDocument;

// The birds of the stock with where each sits, one row per bird, for a long list.
class LocationTableModel : public QAbstractTableModel
{
public:
    explicit LocationTableModel(const StockDocument& stock, QObject* parent = nullptr);

    void setBirds(std::vector<LocatedBird> birds);
    const std::vector<LocatedBird>& birds() const { return m_birds; }
    QString ringAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const StockDocument& m_stock;
    std::vector<LocatedBird> m_birds;
    QStringList m_headings;
};
