#include "ui/mainwindow/StockListPanel.h"

#include "ui/common/BreedFilter.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

StockListPanel::StockListPanel(StockDocument& stock, const PreferencesStore& preferences, QWidget* parent)
    : QWidget(parent), m_commands(new StockListCommands(stock, preferences, this))
{
    setObjectName(QStringLiteral("StockListPanel"));
    auto* outer = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr("Wie soll die Kanarienvögelbestandsliste sortiert sein?"), this);
    outer->addStretch();
    outer->addWidget(group);
    outer->addStretch();

    auto* form = new QFormLayout;
    m_output = new QComboBox(group);
    m_output->setObjectName(QStringLiteral("stockListOutput"));
    m_output->addItems({tr("Liste zum Ausdrucken generieren"), tr("Export in HTML-Datei"),
                        tr("Export in CSV-Datei (Tabellenkalkulation)")});
    m_output->setCurrentIndex(0);
    auto* outputLabel = new QLabel(tr("Ausgabe:"), group);
    outputLabel->setBuddy(m_output);
    form->addRow(outputLabel, m_output);

    m_breedFilter = new BreedFilter(group);
    form->addRow(m_breedFilter);

    auto* buttons = new QHBoxLayout;
    auto* byRing = new QPushButton(tr("nach Ringnummer"), group);
    auto* byYear = new QPushButton(tr("nach Geburtsjahr"), group);
    auto* cancel = new QPushButton(tr("Abbrechen"), group);
    byRing->setObjectName(QStringLiteral("sortByRing"));
    byYear->setObjectName(QStringLiteral("sortByYear"));
    cancel->setObjectName(QStringLiteral("cancelStockList"));
    buttons->addWidget(byRing);
    buttons->addWidget(byYear);
    buttons->addStretch();
    buttons->addWidget(cancel);

    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(form);
    groupLayout->addSpacing(12);
    groupLayout->addLayout(buttons);

    connect(m_breedFilter, &BreedFilter::cleared, this, &StockListPanel::filterCleared);
    connect(byRing, &QPushButton::clicked, this, [this] { make(StockListOrder::ByRing); });
    connect(byYear, &QPushButton::clicked, this, [this] { make(StockListOrder::ByBirthYear); });
    connect(cancel, &QPushButton::clicked, this, &StockListPanel::closed);
}

void StockListPanel::make(StockListOrder order)
{
    // A file name cancelled or a file not written leaves the panel open.
    if (m_commands->make(order, output(), m_destination, breedFilter()))
        emit closed();
}

void StockListPanel::setBreeds(const QStringList& breeds)
{
    m_breedFilter->setBreeds(breeds);
}

std::optional<QString> StockListPanel::breedFilter() const
{
    return m_breedFilter->breed();
}

StockListOutput StockListPanel::output() const
{
    return static_cast<StockListOutput>(m_output->currentIndex());
}
