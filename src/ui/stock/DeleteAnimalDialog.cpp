#include "ui/stock/DeleteAnimalDialog.h"

#include "core/model/Alphabetical.h"
#include "core/stock/SelectorLists.h"
#include "core/stock/StockDocument.h"
#include "ui/common/BreedFilter.h"
#include "ui/common/Choices.h"
#include "ui/common/Messages.h"
#include "ui/common/RingList.h"
#include "ui/common/UndoShortcuts.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

DeleteAnimalDialog::DeleteAnimalDialog(StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("DeleteAnimalDialog"));
    setWindowTitle(tr("Kanarienvögel löschen"));
    auto* grid = new QGridLayout(this);
    auto* instruction = new QLabel(
        tr("Wählen Sie den Kanarienvogel, d. Sie \nlöschen möchten aus und klicken \nSie auf \"Löschen\"."), this);
    m_list = new RingList(this);
    m_list->setObjectName(QStringLiteral("animalList"));
    instruction->setBuddy(m_list);
    auto* remove = new QPushButton(tr("Löschen"), this);
    remove->setObjectName(QStringLiteral("deleteButton"));
    grid->addWidget(instruction, 0, 0);
    grid->addWidget(m_list, 1, 0, 3, 1);
    grid->addWidget(remove, 4, 0);

    auto* explanation = new QLabel(
        tr("Nutzen Sie diese Option um einen\nVogel aus der aktiven Bestands- \nliste zu entfernen. Der "
           "Datensatz\nwird nicht gelöscht, sondern ist im\nHintergrund weiter vorhanden. Er\ntaucht dann lediglich in "
           "der Aus-\nwahlliste zum Druck einen Abstamm-\nungsnachweises nicht mehr auf.\n\nNützlich um beispielsweise "
           "\ngestorbene Kanarienvögel zu \"löschen\"\num die Übersicht zu bewahren. Der\ngelöschte Vogel bleibt "
           "weiterhin\nin den Datensätzen der Elternbe-\nziehungen erhalten."),
        this);
    m_filter = new BreedFilter(this);
    grid->addWidget(explanation, 1, 1);
    grid->addWidget(m_filter, 2, 1);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);

    connect(remove, &QPushButton::clicked, this, &DeleteAnimalDialog::deleteSelected);
    new UndoShortcuts(m_stock, this, [this] { reloadKeepingBreed(); });
    connect(this, &QDialog::finished, this, &DeleteAnimalDialog::clearSelectionRequested);
    connect(m_filter, &BreedFilter::changed, this, &DeleteAnimalDialog::applyFilter);
    connect(m_filter, &BreedFilter::cleared, this, &DeleteAnimalDialog::prepareOnShow);
    setFixedSize(sizeHint().expandedTo(QSize(520, 420)));
}

void DeleteAnimalDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        prepareOnShow();
    QDialog::showEvent(event);
}

void DeleteAnimalDialog::prepareOnShow()
{
    QStringList rings = activeRings(m_stock.animals());
    sortAlphabetically(rings);
    m_list->setRings(rings);
    m_filter->setBreeds(offeredFrom(m_stock, &Animal::breed));
}

void DeleteAnimalDialog::applyFilter()
{
    const std::optional<QString> breed = m_filter->breed();
    QStringList rings = activeRings(m_stock.animals(), breed ? &*breed : nullptr);
    sortAlphabetically(rings);
    m_list->setRings(rings);
}

void DeleteAnimalDialog::deleteSelected()
{
    const std::optional<QString> ring = m_list->selectedRing();
    if (!ring) {
        Messages::current().inform(this, tr("Bitte erst den Kanarienvogel auswählen, dann auf löschen klicken."));
        return;
    }
    if (const QString failure = m_stock.deleteAnimal(*ring); !failure.isEmpty())
        Messages::current().warn(this, failure);
    reloadKeepingBreed();
}

void DeleteAnimalDialog::reloadKeepingBreed()
{
    // The same breed again, looked up by name: a deletion may have taken the last animal of another.
    const std::optional<QString> breed = m_filter->breed();
    prepareOnShow();
    m_filter->selectBreed(breed);
    applyFilter();
}
