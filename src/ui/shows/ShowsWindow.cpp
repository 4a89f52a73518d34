#include "ui/shows/ShowsWindow.h"

#include "core/export/CsvExport.h"
#include "core/model/Dates.h"
#include "core/records/ShowFigures.h"
#include "core/stock/StockDocument.h"
#include "ui/common/Choices.h"
#include "ui/common/FileSaving.h"
#include "ui/common/Named.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

ShowsWindow::ShowsWindow(const StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("ShowsWindow"));
    setWindowTitle(tr("Ausstellungsergebnisse"));
    m_show = named(makeListCombo(this, {}), "showChoice", tr("Die Schau, deren Ergebnisse gezeigt werden"));
    m_table = named(new QTableWidget(0, 6, this), "showEntries",
                    tr("Ein Doppelklick zeigt den Abstammungsnachweis des Vogels"));
    m_table->setAccessibleName(tr("Ergebnisse der Schau"));
    m_table->setHorizontalHeaderLabels(
        {tr("Datum"), tr("Ringnummer"), tr("Klasse"), tr("Punkte"), tr("Auszeichnung/Platz"), tr("Kollektion")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setSortingEnabled(true);
    m_collections = named(new QLabel(this), "collectionTotals");
    m_collections->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* form = new QFormLayout;
    form->addRow(tr("&Schau:"), m_show);
    auto* save = named(new QPushButton(tr("Alle Ergebnisse als &CSV-Datei speichern…"), this), "saveShowsCsvButton",
                       tr("Für eine Tabellenkalkulation, jede Schau mit jedem Vogel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_collections);
    layout->addWidget(save, 0, Qt::AlignLeft);
    connect(save, &QPushButton::clicked, this, &ShowsWindow::saveCsv);
    connect(m_show, &QComboBox::currentIndexChanged, this, &ShowsWindow::showEntries);
    connect(m_table, &QTableWidget::cellDoubleClicked, this,
            [this](int row) { emit pedigreeRequested(m_table->item(row, 1)->text()); });
    resize(720, 480);
}

void ShowsWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        setChoices(m_show, m_stock.records().shows());
        m_show->setCurrentIndex(m_show->count() > 0 ? 0 : -1); // the latest show first
        showEntries();
    }
    QDialog::showEvent(event);
}

void ShowsWindow::saveCsv()
{
    saveCsvFile(this, tr("Ausstellungsergebnisse speichern"), tr("Ausstellungsergebnisse.csv"),
                [this] { return showsCsv(m_stock.records().allShowResults()); });
}

void ShowsWindow::showEntries()
{
    const std::vector<ShowResult> entries = m_show->currentIndex() < 0
        ? std::vector<ShowResult> {}
        : m_stock.records().resultsOfShow(m_show->currentText());
    m_table->setSortingEnabled(false);
    m_table->setRowCount(int(entries.size()));
    for (int row = 0; row < int(entries.size()); ++row) {
        const ShowResult& r = entries[size_t(row)];
        const QString cells[] = {Dates::local(r.date),
                                 r.ring,
                                 r.showClass,
                                 AnimalRecordWords::points(r.halfPoints),
                                 r.award,
                                 r.collection ? QString::number(*r.collection) : QString()};
        for (int column = 0; column < 6; ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_table->setSortingEnabled(true);
    m_table->resizeColumnsToContents();
    QStringList totals;
    for (const CollectionTotal& t : collectionTotals(entries)) {
        //: %1 collection number, %2 date, %3 number of birds, %4 points
        totals << tr("Kollektion %1 (%2): %3 Kanarienvögel, zusammen %4 Punkte")
                      .arg(t.collection)
                      .arg(Dates::local(t.date))
                      .arg(t.entries)
                      .arg(AnimalRecordWords::points(t.halfPoints));
    }
    m_collections->setText(totals.isEmpty() ? tr("Keine Kollektion auf dieser Schau.")
                                            : totals.join(QLatin1Char('\n')));
}
