#include "ui/stock/LocationTableModel.h"

#include "core/stock/StockDocument.h"

LocationTableModel::LocationTableModel(const StockDocument& stock, QObject* parent)
    : QAbstractTableModel(parent), m_stock(stock), m_headings(locationListHeadings())
{ }

void LocationTableModel::setBirds(std::vector<LocatedBird> birds)
{
    beginResetModel();
    m_birds = std::move(birds);
    endResetModel();
}

QString LocationTableModel::ringAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return {};
    return m_stock.animals()[size_t(m_birds[size_t(row)].animal)].ringNumber;
}

int LocationTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_birds.size());
}

int LocationTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_headings.size());
}

QVariant LocationTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    // Rows are made when they are shown: a long list costs nothing until scrolled.
    return locationListRows(m_stock, {m_birds[size_t(index.row())]}).front().value(index.column());
}

QVariant LocationTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_headings.value(section);
}
