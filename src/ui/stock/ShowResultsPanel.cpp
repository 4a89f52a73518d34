#include "ui/stock/ShowResultsPanel.h"

#include "core/model/Dates.h"
#include "core/records/ShowFigures.h"
#include "core/stock/StockDocument.h"
#include "ui/common/Messages.h"
#include "ui/common/Modal.h"
#include "ui/common/Named.h"
#include "ui/stock/ShowResultDialog.h"

#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

ShowResultsPanel::ShowResultsPanel(StockDocument& stock, QWidget* parent) : QWidget(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("showResultsPanel"));
    m_table = named(new QTableWidget(0, 6, this), "showResultsTable");
    m_table->setAccessibleName(tr("Ausstellungsergebnisse"));
    m_table->setHorizontalHeaderLabels(
        {tr("Datum"), tr("Schau"), tr("Klasse"), tr("Punkte"), tr("Auszeichnung/Platz"), tr("Kollektion")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_best = named(new QLabel(this), "bestShowResult");
    m_add = named(new QPushButton(tr("&Neues Ergebnis…"), this), "addShowResultButton");
    m_change = named(new QPushButton(tr("Ä&ndern…"), this), "changeShowResultButton");
    m_remove = named(new QPushButton(tr("&Löschen"), this), "removeShowResultButton");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_change);
    buttons->addWidget(m_remove);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_best);
    layout->addLayout(buttons);

    connect(m_add, &QPushButton::clicked, this, [this] {
        m_editedRow = -1;
        ShowResult fresh;
        fresh.ring = m_ring.value_or(QString());
        fresh.date = QDate::currentDate();
        openEntry(fresh);
    });
    auto change = [this] {
        if (const ShowResult* r = selected()) {
            m_editedRow = m_table->currentRow();
            openEntry(*r);
        }
    };
    connect(m_change, &QPushButton::clicked, this, change);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, change);
    connect(m_remove, &QPushButton::clicked, this, &ShowResultsPanel::removeSelected);
    setRing(std::nullopt);
}

ShowResultsPanel::~ShowResultsPanel() = default;

void ShowResultsPanel::setRing(const std::optional<QString>& ring)
{
    m_ring = ring;
    for (QWidget* w : std::initializer_list<QWidget*> {m_add, m_change, m_remove})
        w->setEnabled(ring.has_value());
    m_stored = m_ring ? m_stock.records().showResults(*m_ring) : std::vector<ShowResult> {};
    m_results = m_stored;
    fill();
}

std::optional<std::vector<ShowResult>> ShowResultsPanel::input() const
{
    if (!m_ring || m_results == m_stored)
        return std::nullopt;
    return m_results;
}

void ShowResultsPanel::fill()
{
    std::stable_sort(m_results.begin(), m_results.end(),
                     [](const ShowResult& a, const ShowResult& b) { return a.date < b.date; });
    m_table->setRowCount(int(m_results.size()));
    QHash<QString, std::vector<ShowResult>> shows; // every entry of each show this bird was at, as shown here
    for (const ShowResult& r : m_results) {
        if (!r.collection || shows.contains(r.show))
            continue;
        std::vector<ShowResult> entries = m_stock.records().resultsOfShow(r.show);
        std::erase_if(entries, [this](const ShowResult& e) { return e.ring == m_ring; });
        for (const ShowResult& own : m_results) {
            if (own.show == r.show)
                entries.push_back(own);
        }
        shows.insert(r.show, entries);
    }
    for (int row = 0; row < int(m_results.size()); ++row) {
        const ShowResult& r = m_results[size_t(row)];
        QString collection;
        if (const std::optional<CollectionTotal> total = collectionOf(r, shows.value(r.show))) {
            collection = tr("Nr. %1: %2 Punkte aus %3")
                             .arg(total->collection)
                             .arg(AnimalRecordWords::points(total->halfPoints))
                             .arg(total->entries);
        }
        const QString cells[]
            = {Dates::local(r.date), r.show, r.showClass, AnimalRecordWords::points(r.halfPoints), r.award, collection};
        for (int column = 0; column < 6; ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_table->resizeColumnsToContents();
    const std::optional<ShowResult> best = bestResult(m_results);
    m_best->setText(best ? tr("Bestes Ergebnis: %1 Punkte, %2 am %3")
                               .arg(AnimalRecordWords::points(best->halfPoints), best->show, Dates::local(best->date))
                         : QString());
}

const ShowResult* ShowResultsPanel::selected()
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= int(m_results.size()) || m_table->selectedItems().isEmpty()) {
        Messages::current().inform(this, tr("Bitte zuerst ein Ergebnis in der Liste anklicken."));
        return nullptr;
    }
    return &m_results[size_t(row)];
}

void ShowResultsPanel::openEntry(const ShowResult& result)
{
    if (!m_entry) {
        m_entry = std::make_unique<ShowResultDialog>(this);
        connect(m_entry.get(), &ShowResultDialog::confirmed, this, &ShowResultsPanel::take);
    }
    m_entry->edit(result, m_stock.records().shows());
    showModal(m_entry.get());
}

void ShowResultsPanel::take(const ShowResult& result)
{
    if (m_editedRow >= 0 && m_editedRow < int(m_results.size()))
        m_results[size_t(m_editedRow)] = result;
    else
        m_results.push_back(result);
    fill();
}

void ShowResultsPanel::removeSelected()
{
    const ShowResult* r = selected();
    if (!r)
        return;
    m_results.erase(m_results.begin() + (r - m_results.data()));
    fill();
}
