#include "ui/season/SeasonTableWidget.h"

#include "core/model/Dates.h"
#include "reports/layouts/TableReport.h"

#include <QBrush>
#include <QCollator>
#include <QDate>
#include <QHeaderView>

#include <algorithm>
#include <numeric>

namespace {

// What a cell means for sorting: a number, a date (as its day number), or text.
std::optional<double> numberOf(const QString& text)
{
    if (const QDate date = Dates::fromText(text); date.isValid())
        return double(date.toJulianDay());
    QString number = text;
    number.remove(QStringLiteral(" %")).replace(QLatin1Char(','), QLatin1Char('.'));
    bool isNumber = false;
    const double value = number.toDouble(&isNumber);
    return isNumber ? std::optional<double>(value) : std::nullopt;
}

} // namespace

void SeasonTableModel::setTable(SeasonTable table, std::vector<int> keys)
{
    beginResetModel();
    m_table = std::move(table);
    m_table.marked.resize(m_table.rows.size(), false);
    m_keys = std::move(keys);
    m_keys.resize(m_table.rows.size(), -1);
    endResetModel();
}

int SeasonTableModel::entryOf(int row) const
{
    return row >= 0 && size_t(row) < m_keys.size() ? m_keys[size_t(row)] : -1;
}

int SeasonTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_table.rows.size());
}

int SeasonTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_table.headings.size());
}

QVariant SeasonTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= m_table.rows.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_table.rows[size_t(index.row())].value(index.column());
    if (role == Qt::BackgroundRole && m_table.marked[size_t(index.row())])
        return QBrush(QColor(255, 215, 215));
    return {};
}

QVariant SeasonTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_table.headings.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_table.headings[section];
    if (role == Qt::ToolTipRole) {
        const QString meaning = figureExplanation(m_table.headings[section]);
        return meaning.isEmpty() ? QVariant() : meaning;
    }
    return {};
}

void SeasonTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= m_table.headings.size())
        return;
    // The keys once per row, not per comparison: numbers and dates first in their order, then texts.
    const size_t n = m_table.rows.size();
    std::vector<std::optional<double>> numbers(n);
    for (size_t r = 0; r < n; ++r)
        numbers[r] = numberOf(m_table.rows[r].value(column));
    QCollator collator(QLocale(QLocale::German, QLocale::Germany));
    std::vector<size_t> permutation(n);
    std::iota(permutation.begin(), permutation.end(), size_t(0));
    auto less = [&](size_t a, size_t b) {
        if (numbers[a] && numbers[b])
            return *numbers[a] < *numbers[b];
        if (numbers[a] != numbers[b])
            return bool(numbers[a]);
        return collator.compare(m_table.rows[a].value(column), m_table.rows[b].value(column)) < 0;
    };
    std::stable_sort(permutation.begin(), permutation.end(), less);
    if (order == Qt::DescendingOrder)
        std::reverse(permutation.begin(), permutation.end());
    emit layoutAboutToBeChanged();
    SeasonTable sorted;
    sorted.headings = m_table.headings;
    std::vector<int> keys;
    for (const size_t r : permutation) {
        sorted.rows.push_back(std::move(m_table.rows[r]));
        sorted.marked.push_back(m_table.marked[r]);
        keys.push_back(m_keys[r]);
    }
    m_table = std::move(sorted);
    m_keys = std::move(keys);
    emit layoutChanged();
}

SeasonTableWidget::SeasonTableWidget(QWidget* parent) : QTableView(parent), m_model(new SeasonTableModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(true);
    horizontalHeader()->setSortIndicatorShown(false); // the rows come in their own order first
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    // A double click, or Enter on a row, as the style activates items.
    connect(this, &QTableView::activated, this, [this](const QModelIndex& index) { emit rowActivated(index.row()); });
}

void SeasonTableWidget::show(const SeasonTable& table, const std::vector<int>& keys)
{
    m_model->setTable(table, keys);
    horizontalHeader()->setSortIndicatorShown(false);
    if (m_model->rowCount() < 2000) // measuring every row of a long list would take its time
        resizeColumnsToContents();
}

QString SeasonTableWidget::text(int row, int column) const
{
    return m_model->data(m_model->index(row, column), Qt::DisplayRole).toString();
}

std::shared_ptr<ReportPages> seasonPages(const SeasonTable& table, const QString& title, const QString& subtitle,
                                         const std::vector<double>& widths)
{
    ReportTable report;
    report.title = title;
    report.subtitle = subtitle;
    for (int c = 0; c < table.headings.size(); ++c) {
        report.columns.push_back(
            {table.headings[c], size_t(c) < widths.size() ? widths[size_t(c)] : 20.0, Qt::AlignLeft});
    }
    report.rows = table.rows;
    report.marked = table.marked;
    return tablePages(std::move(report));
}
