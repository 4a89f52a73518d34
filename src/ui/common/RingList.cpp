#include "ui/common/RingList.h"

#include <QKeyEvent>
#include <QStringListModel>

RingList::RingList(QWidget* parent) : QListView(parent), m_model(new QStringListModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Selection, not the current index: focus alone moves the current index to the first row.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (const auto ring = selectedRing())
            emit ringSelected(*ring);
    });
    // Not activated(): on desktops set to single-click activation that fires on every click.
    connect(this, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { emit ringActivated(index.data().toString()); });
}

void RingList::keyPressEvent(QKeyEvent* event)
{
    const auto ring = selectedRing();
    if (ring && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        emit ringActivated(*ring);
        return;
    }
    QListView::keyPressEvent(event);
}

void RingList::setRings(const QStringList& rings)
{
    m_model->setStringList(rings);
    selectionModel()->clear();
}

QStringList RingList::rings() const
{
    return m_model->stringList();
}

std::optional<int> RingList::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.first().row();
}

std::optional<QString> RingList::selectedRing() const
{
    const auto row = selectedRow();
    if (!row)
        return std::nullopt;
    return m_model->index(*row).data().toString();
}

bool RingList::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return false;
    const QModelIndex index = m_model->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
    return true;
}

bool RingList::selectRing(const QString& ring)
{
    const QStringList& rings = m_model->stringList();
    const qsizetype row = rings.indexOf(ring);
    return row >= 0 && selectRow(int(row));
}

int RingList::count() const
{
    return m_model->rowCount();
}
