#include "ui/breeding/RingStockWindow.h"

#include "core/breeding/RingStock.h"
#include "core/stock/StockDocument.h"
#include "ui/common/Messages.h"
#include "ui/common/Named.h"
#include "ui/common/UndoShortcuts.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kAllYears = 1899; // the year box's lowest value stands for every year

} // namespace

RingStockWindow::RingStockWindow(StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("RingStockWindow"));
    setWindowTitle(tr("Ringbestand"));
    m_shownYear = named(new QSpinBox(this), "shownRingYear", tr("Die Lieferungen dieses Jahres, oder aller Jahre"));
    m_shownYear->setRange(kAllYears, 9999);
    m_shownYear->setSpecialValueText(tr("alle Jahre"));
    m_table = named(new QTableWidget(0, 9, this), "ringRanges",
                    tr("Jede Lieferung mit ihren verwendeten und freien Ringen"));
    m_table->setAccessibleName(tr("Ringlieferungen"));
    m_table->setHorizontalHeaderLabels({tr("Jahr"), tr("Verein"), tr("Größe"), tr("Farbe"), tr("Erster Ring"),
                                        tr("Letzter Ring"), tr("Ringe"), tr("Verwendet"), tr("Frei")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_twice = named(new QLabel(this), "ringsWornTwice");
    m_twice->setWordWrap(true);
    m_twice->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_order = named(new QLabel(this), "ringOrder");
    m_order->setWordWrap(true);
    auto* remove = named(new QPushButton(tr("Lieferung &löschen…"), this), "deleteDelivery",
                         tr("Löscht die in der Liste gewählte Lieferung"));

    auto* yearLine = new QHBoxLayout;
    auto* yearLabel = new QLabel(tr("&Jahr:"), this);
    yearLabel->setBuddy(m_shownYear);
    yearLine->addWidget(yearLabel);
    yearLine->addWidget(m_shownYear);
    yearLine->addStretch(1);
    yearLine->addWidget(remove);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QDialogButtonBox::Close)->setText(tr("Schließen"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(yearLine);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_twice);
    layout->addWidget(m_order);
    layout->addWidget(buildDeliveryForm());
    layout->addWidget(buttons);

    connect(m_shownYear, &QSpinBox::valueChanged, this, &RingStockWindow::fill);
    connect(remove, &QPushButton::clicked, this, &RingStockWindow::deleteChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&m_stock, &StockDocument::changed, this, [this] {
        if (isVisible())
            fill();
    });
    new UndoShortcuts(m_stock, this);
    resize(820, 600);
}

QWidget* RingStockWindow::buildDeliveryForm()
{
    auto* group = new QGroupBox(tr("Neue Lieferung"), this);
    m_year = named(new QSpinBox(group), "deliveryYear", tr("Das Jahr, für das die Ringe gelten"));
    m_year->setRange(1900, 9999);
    m_club = named(new QLineEdit(group), "deliveryClub", tr("Der Verband oder Verein, der die Ringe ausgibt"));
    m_size = named(new QLineEdit(group), "deliverySize", tr("Die Ringgröße, etwa 2,9 mm"));
    m_colour = named(new QLineEdit(group), "deliveryColour", tr("Die Ringfarbe des Jahres"));
    m_prefix = named(new QLineEdit(group), "deliveryPrefix",
                     tr("Was vor der laufenden Nummer steht, etwa Verbandskürzel, Züchternummer und Jahr"));
    m_first = named(new QSpinBox(group), "deliveryFirst", tr("Die laufende Nummer des ersten Rings"));
    m_last = named(new QSpinBox(group), "deliveryLast", tr("Die laufende Nummer des letzten Rings"));
    for (QSpinBox* number : {m_first, m_last})
        number->setRange(0, 999999999);
    m_digits = named(new QSpinBox(group), "deliveryDigits",
                     tr("Mit wie vielen Stellen die Nummer geschrieben wird, vorn mit Nullen aufgefüllt"));
    m_digits->setRange(1, 18);
    m_digits->setValue(3);
    m_first->setValue(1);
    m_last->setValue(25);
    m_typedRange = named(new QLabel(group), "typedRange");
    auto* enter = named(new QPushButton(tr("Lieferung &eintragen"), group), "enterDelivery",
                        tr("Trägt die Ringe als neue Lieferung ein"));

    auto* left = new QFormLayout;
    left->addRow(tr("J&ahr der Ringe:"), m_year);
    left->addRow(tr("&Verein:"), m_club);
    left->addRow(tr("&Größe:"), m_size);
    left->addRow(tr("&Farbe:"), m_colour);
    auto* right = new QFormLayout;
    right->addRow(tr("V&orsatz:"), m_prefix);
    right->addRow(tr("Erste &Nummer:"), m_first);
    right->addRow(tr("Le&tzte Nummer:"), m_last);
    right->addRow(tr("&Stellen:"), m_digits);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* lastLine = new QHBoxLayout;
    lastLine->addWidget(m_typedRange, 1);
    lastLine->addWidget(enter);
    auto* box = new QVBoxLayout(group);
    box->addLayout(columns);
    box->addLayout(lastLine);

    connect(m_prefix, &QLineEdit::textChanged, this, &RingStockWindow::showTypedRange);
    for (QSpinBox* number : {m_first, m_last, m_digits})
        connect(number, &QSpinBox::valueChanged, this, &RingStockWindow::showTypedRange);
    connect(enter, &QPushButton::clicked, this, &RingStockWindow::enterDelivery);
    return group;
}

void RingStockWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        const int year = QDate::currentDate().year();
        const QSignalBlocker quiet(m_shownYear);
        m_shownYear->setValue(year);
        m_year->setValue(year);
        showTypedRange();
        fill();
    }
    QDialog::showEvent(event);
}

void RingStockWindow::fill()
{
    const int year = m_shownYear->value();
    const RingStock rings = ringStock(m_stock, year == kAllYears ? std::nullopt : std::optional<int>(year));
    m_table->setRowCount(int(rings.ranges.size()));
    m_shownIds.clear();
    int row = 0;
    for (const RingRangeUse& range : rings.ranges) {
        const RingDelivery& d = range.delivery;
        const QString cells[] = {QString::number(d.year),
                                 d.club,
                                 d.size,
                                 d.colour,
                                 d.ring(d.first),
                                 d.ring(d.last),
                                 QString::number(d.count()),
                                 QString::number(range.used),
                                 QString::number(range.free())};
        for (int column = 0; column < 9; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column == 0 || column >= 6)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(row, column, item);
        }
        m_shownIds.push_back(d.id);
        ++row;
    }
    m_table->resizeColumnsToContents();
    m_twice->setText(rings.usedTwice.isEmpty()
                         ? QString()
                         //: %1 the ring numbers, separated by commas
                         : tr("Mehr als einmal vergeben: %1").arg(rings.usedTwice.join(QStringLiteral(", "))));
    m_twice->setVisible(!rings.usedTwice.isEmpty());
    const int season = year == kAllYears ? QDate::currentDate().year() : year;
    //: %1 the next year, %2 a number of rings, %3 the season they are reckoned from
    m_order->setText(tr("Für %1 zu bestellen: etwa %2 Ringe (die in der Saison %3 beringten Jungen und ein Zehntel "
                        "mehr).")
                         .arg(season + 1)
                         .arg(ringsToOrder(m_stock, season))
                         .arg(season));
}

void RingStockWindow::showTypedRange()
{
    RingDelivery d;
    d.prefix = m_prefix->text();
    d.first = m_first->value();
    d.last = m_last->value();
    d.digits = m_digits->value();
    //: %1 the first ring, %2 the last, %3 how many rings
    m_typedRange->setText(
        d.last >= d.first ? tr("%1 bis %2: %3 Ringe").arg(d.ring(d.first), d.ring(d.last)).arg(d.count()) : QString());
}

void RingStockWindow::enterDelivery()
{
    RingDelivery d;
    d.year = m_year->value();
    d.club = m_club->text().trimmed();
    d.size = m_size->text().trimmed();
    d.colour = m_colour->text().trimmed();
    d.prefix = m_prefix->text().trimmed();
    d.first = m_first->value();
    d.last = m_last->value();
    d.digits = m_digits->value();
    const QString failure = m_stock.addRingDelivery(d);
    if (!failure.isEmpty()) {
        Messages::current().warn(this, failure);
        return;
    }
    if (m_shownYear->value() != kAllYears)
        m_shownYear->setValue(d.year);
}

void RingStockWindow::deleteChosen()
{
    const int row = m_table->currentRow();
    if (row < 0 || size_t(row) >= m_shownIds.size())
        return;
    //: %1 and %2 the first and last ring of the delivery
    const QString question = tr("Die Lieferung %1 bis %2 löschen? Die Vögel behalten ihre Ringe.")
                                 .arg(m_table->item(row, 4)->text(), m_table->item(row, 5)->text());
    if (!Messages::current().askYesNo(this, tr("Lieferung löschen"), question))
        return;
    const QString failure = m_stock.removeRingDelivery(m_shownIds[size_t(row)]);
    if (!failure.isEmpty())
        Messages::current().warn(this, failure);
}
