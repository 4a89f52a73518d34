#include "ui/stock/LocationsWindow.h"

#include "core/export/CsvExport.h"
#include "core/model/Dates.h"
#include "core/stock/Locations.h"
#include "core/stock/StockDocument.h"
#include "reports/layouts/LocationListReport.h"
#include "ui/common/FileSaving.h"
#include "ui/common/Messages.h"
#include "ui/common/Modal.h"
#include "ui/common/Named.h"
#include "ui/common/UndoShortcuts.h"
#include "ui/preview/ReportPreview.h"
#include "ui/stock/LocationTableModel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kAllPlaces = 0;
constexpr int kNoPlace = 1;

} // namespace

LocationsWindow::LocationsWindow(StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("LocationsWindow"));
    setWindowTitle(tr("Standorte"));
    m_filter = named(new QComboBox(this), "locationFilter", tr("Welche Vögel die Liste zeigt"));
    m_model = new LocationTableModel(stock, this);
    m_table = named(new QTableView(this), "locatedBirds",
                    tr("Die Vögel mit ihrem Standort; mehrere lassen sich mit Umschalt- oder Strg-Taste auswählen"));
    m_table->setAccessibleName(tr("Vögel und ihre Standorte"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_count = named(new QLabel(this), "locatedCount");
    m_target
        = named(new QComboBox(this), "moveTarget",
                tr("Käfig, Voliere oder Raum, in den die ausgewählten Vögel kommen; leer: aus dem Standort nehmen"));
    m_target->setEditable(true);
    m_target->setInsertPolicy(QComboBox::NoInsert);
    m_date = named(new QLineEdit(this), "moveDate", tr("Der Tag des Umsetzens, im Format TT.MM.JJJJ"));
    m_date->setPlaceholderText(tr("TT.MM.JJJJ"));
    auto* move = named(new QPushButton(tr("Ausgewählte &umsetzen"), this), "moveButton",
                       tr("Setzt alle ausgewählten Vögel in einem Schritt um"));

    auto* filterForm = new QFormLayout;
    filterForm->addRow(tr("&Zeigen:"), m_filter);
    auto* moveLine = new QHBoxLayout;
    auto* targetLabel = new QLabel(tr("Umsetzen &nach:"), this);
    targetLabel->setBuddy(m_target);
    auto* dateLabel = new QLabel(tr("&am:"), this);
    dateLabel->setBuddy(m_date);
    moveLine->addWidget(targetLabel);
    moveLine->addWidget(m_target, 1);
    moveLine->addWidget(dateLabel);
    moveLine->addWidget(m_date);
    moveLine->addWidget(move);

    auto* buttons = new QDialogButtonBox(this);
    auto* print = named(buttons->addButton(tr("&Drucken…"), QDialogButtonBox::ActionRole), "printLocations",
                        tr("Die gezeigte Liste in der Vorschau, zum Drucken oder Speichern als PDF"));
    auto* csv = named(buttons->addButton(tr("Als &CSV-Datei speichern…"), QDialogButtonBox::ActionRole),
                      "saveLocationsCsv", tr("Die gezeigte Liste für eine Tabellenkalkulation"));
    buttons->addButton(QDialogButtonBox::Close)->setText(tr("Schließen"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterForm);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_count);
    layout->addLayout(moveLine);
    layout->addWidget(buttons);

    connect(m_filter, &QComboBox::currentIndexChanged, this, &LocationsWindow::showBirds);
    connect(move, &QPushButton::clicked, this, &LocationsWindow::moveChosen);
    connect(print, &QPushButton::clicked, this, &LocationsWindow::print);
    connect(csv, &QPushButton::clicked, this, &LocationsWindow::saveCsv);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&m_stock, &StockDocument::changed, this, [this] {
        if (isVisible())
            reload();
    });
    new UndoShortcuts(m_stock, this);
    resize(760, 520);
}

void LocationsWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        m_date->setText(Dates::local(QDate::currentDate()));
        reload();
    }
    QDialog::showEvent(event);
}

void LocationsWindow::reload()
{
    const QString shown = m_filter->currentText();
    const int shownIndex = m_filter->currentIndex();
    const QStringList places = m_stock.records().locationsInUse();
    {
        const QSignalBlocker quiet(m_filter);
        m_filter->clear();
        m_filter->addItem(tr("Alle Vögel im Bestand"));
        m_filter->addItem(tr("Vögel ohne Standort"));
        m_filter->addItems(places);
        const int again = shownIndex > kNoPlace ? m_filter->findText(shown) : shownIndex;
        m_filter->setCurrentIndex(again >= 0 ? again : kAllPlaces);
    }
    // Every place in use and every pair's cage, so that a pair's birds go to their cage in one move.
    QStringList targets = places;
    for (const BreedingPair& pair : m_stock.pairs()) {
        if (pair.cageNumber > 0)
            targets << cageLocation(pair.cageNumber);
    }
    targets.removeDuplicates();
    const QString typed = m_target->currentText();
    m_target->clear();
    m_target->addItems(targets);
    m_target->setCurrentText(typed);
    showBirds();
}

std::optional<QString> LocationsWindow::shownPlace() const
{
    const int index = m_filter->currentIndex();
    if (index <= kAllPlaces)
        return std::nullopt;
    return index == kNoPlace ? QString() : m_filter->currentText();
}

void LocationsWindow::showBirds()
{
    m_model->setBirds(locatedBirds(m_stock, shownPlace()));
    m_count->setText(tr("Vögel in der Liste: %1").arg(m_model->rowCount()));
    if (m_model->rowCount() < 2000) // measuring every row of a long list would take its time
        m_table->resizeColumnsToContents();
}

void LocationsWindow::moveChosen()
{
    QStringList rings;
    for (const QModelIndex& row : m_table->selectionModel()->selectedRows())
        rings << m_model->ringAt(row.row());
    if (rings.isEmpty()) {
        Messages::current().inform(this, tr("Bitte zuerst die Vögel in der Liste auswählen."));
        return;
    }
    const std::optional<double> days = Dates::parseLocal(m_date->text());
    if (!days) {
        Messages::current().inform(this, tr("Ungültiges Datum beim Umsetzen!"));
        return;
    }
    if (const QString failure = m_stock.moveAnimals(rings, m_target->currentText(), Dates::toDate(*days));
        !failure.isEmpty())
        Messages::current().warn(this, failure);
}

QString LocationsWindow::listTitle() const
{
    const std::optional<QString> place = shownPlace();
    if (!place)
        return tr("Standorte");
    return place->isEmpty() ? tr("Vögel ohne Standort") : tr("Standort %1").arg(*place);
}

void LocationsWindow::print()
{
    auto* preview
        = new ReportPreview(locationListPages(m_stock, m_model->birds(), listTitle()), tr("die Standortliste"),
                            tr("Standorte", "file name of the printed list of locations"), frontWindow(this));
    preview->show();
    preview->raise();
}

void LocationsWindow::saveCsv()
{
    saveCsvFile(this, tr("Standorte speichern"), tr("Standorte.csv"),
                [this] { return tableCsv(locationListHeadings(), locationListRows(m_stock, m_model->birds())); });
}
