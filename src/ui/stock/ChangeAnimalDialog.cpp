#include "ui/stock/ChangeAnimalDialog.h"

#include "core/analysis/Inbreeding.h"
#include "core/genetics/StockColours.h"
#include "core/model/Alphabetical.h"
#include "core/stock/AnimalChange.h"
#include "core/stock/AnimalQueries.h"
#include "core/stock/Locations.h"
#include "core/stock/RingIndex.h"
#include "core/stock/SelectorLists.h"
#include "core/stock/StockDocument.h"
#include "ui/common/AnimalFields.h"
#include "ui/common/BreedFilter.h"
#include "ui/common/Choices.h"
#include "ui/common/Messages.h"
#include "ui/common/Modal.h"
#include "ui/common/PictureBox.h"
#include "ui/common/Prompts.h"
#include "ui/common/RingList.h"
#include "ui/common/UndoShortcuts.h"
#include "ui/genetics/GeneticsPanel.h"
#include "ui/stock/LocationPanel.h"
#include "ui/stock/ShowResultsPanel.h"
#include "ui/stock/WhereaboutsPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QSize kPictureFrame(170, 120);
const QSize kSelectedPictureFit(130, 100);

QString noSelectionMessage()
{
    return QCoreApplication::translate("ChangeAnimalDialog", "Bitte zuerst den Kanarienvogel in der Liste anklicken.");
}

} // namespace

ChangeAnimalDialog::ChangeAnimalDialog(StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("ChangeAnimalDialog"));
    auto* outer = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildListColumn(), 1);
    columns->addWidget(buildFieldColumn(), 2);
    columns->addWidget(buildPictureColumn());
    outer->addLayout(columns, 1);
    m_status = new QStatusBar(this);
    m_status->setSizeGripEnabled(false);
    outer->addWidget(m_status);
    new UndoShortcuts(m_stock, this, [this] {
        rebuildShowing(m_list->selectedRing());
        emit clearSelectionRequested();
    });
    setFixedSize(sizeHint().expandedTo(QSize(980, 620)));
}

QWidget* ChangeAnimalDialog::buildListColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_list = new RingList(column);
    m_list->setObjectName(QStringLiteral("animalList"));
    auto* label = new QLabel(tr("Kanarienvogel auswählen:"), column);
    label->setBuddy(m_list);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    layout->addWidget(new QLabel(tr("Ein Doppelklick zeigt den Abstammungsnachweis an."), column));

    m_sortChoice = new QComboBox(column);
    m_sortChoice->setObjectName(QStringLiteral("sortChoice"));
    m_sortChoice->addItems({tr("Ringnummer"), tr("Geburtsjahr")});
    auto* sortRow = new QHBoxLayout;
    auto* sortLabel = new QLabel(tr("Sortierung:"), column);
    sortLabel->setBuddy(m_sortChoice);
    sortRow->addWidget(sortLabel);
    sortRow->addWidget(m_sortChoice, 1);
    layout->addLayout(sortRow);
    m_filter = new BreedFilter(column, tr("Filter:"));
    layout->addWidget(m_filter);

    connect(m_list, &RingList::ringSelected, this, &ChangeAnimalDialog::selectAnimal);
    connect(m_list, &RingList::ringActivated, this, &ChangeAnimalDialog::pedigreeRequested);
    connect(m_sortChoice, &QComboBox::activated, this, [this](int choice) {
        if (choice == 1)
            m_stock.sortStock();
        prepareOnShow();
    });
    connect(m_filter, &BreedFilter::changed, this, &ChangeAnimalDialog::applyFilter);
    connect(m_filter, &BreedFilter::cleared, this, &ChangeAnimalDialog::prepareOnShow);
    return column;
}

QWidget* ChangeAnimalDialog::buildFieldColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabWidget(column);
    m_tabs->setObjectName(QStringLiteral("animalTabs"));
    m_tabs->setUsesScrollButtons(false); // every tab in sight, in every language
    m_tabs->addTab(buildDataTab(), tr("&Stammdaten"));
    m_whereabouts = new WhereaboutsPanel(m_tabs);
    m_tabs->addTab(m_whereabouts, tr("&Verbleib"));
    m_location = new LocationPanel(m_tabs);
    m_tabs->addTab(m_location, tr("Stan&dort"));
    m_shows = new ShowResultsPanel(m_stock, m_tabs);
    m_tabs->addTab(m_shows, tr("&Ausstellungen"));
    m_genetics = new GeneticsPanel(m_tabs);
    m_tabs->addTab(m_genetics, tr("&Erbanlagen"));
    layout->addWidget(m_tabs, 1);

    auto* save = new QPushButton(tr("Kanarienvogel ändern"), column);
    save->setObjectName(QStringLiteral("saveButton"));
    save->setDefault(true);
    auto* descendants = new QPushButton(tr("Nachkommen anzeigen"), column);
    descendants->setObjectName(QStringLiteral("descendantsButton"));
    layout->addWidget(save);
    layout->addWidget(descendants);
    connect(save, &QPushButton::clicked, this, &ChangeAnimalDialog::saveChanges);
    connect(descendants, &QPushButton::clicked, this, [this] {
        if (const auto ring = selectedOrComplain())
            emit descendantsRequested(*ring);
    });
    // The sold mark and the whereabouts say the same: a bird gone in any way is marked, an unmarked one is here.
    connect(m_whereabouts, &WhereaboutsPanel::statusChanged, this,
            [this](WhereaboutsStatus status) { m_sold->setChecked(status != WhereaboutsStatus::InStock); });
    connect(m_sold, &QCheckBox::toggled, this, [this](bool sold) {
        if (!sold)
            m_whereabouts->setStatus(WhereaboutsStatus::InStock);
    });
    // A hen hides no sex-linked factor: the choices follow the sex.
    connect(m_fields.sex, &QComboBox::currentIndexChanged, this,
            [this] { m_genetics->setMale(selectedSex(m_fields.sex) != Sex::Female); });
    return column;
}

QWidget* ChangeAnimalDialog::buildDataTab()
{
    auto* tab = new QWidget(this);
    auto* form = new QFormLayout(tab);
    m_fields = makeAnimalFields(tab);
    for (const AnimalFields::Row& r : std::as_const(m_fields.rows))
        form->addRow(r.label, r.field);
    // The long caption wraps in a label beside the box.
    m_sold = new QCheckBox(tab);
    m_sold->setObjectName(QStringLiteral("soldBox"));
    m_sold->setAccessibleName(tr("Kanarienvogel verkauft oder gelöscht"));
    auto* soldLabel
        = new QLabel(tr("Kanarienvogel verkauft oder gelöscht (wird in der Auswahlliste, der "
                        "Kanarienvögelbestandsliste und in den Elternbeziehungen nicht mehr zur Auswahl angeboten.)"),
                     tab);
    soldLabel->setWordWrap(true);
    soldLabel->setMinimumWidth(360);
    soldLabel->setBuddy(m_sold);
    auto* soldLine = new QWidget(tab);
    auto* soldRow = new QHBoxLayout(soldLine);
    soldRow->setContentsMargins(0, 0, 0, 0);
    soldRow->addWidget(m_sold, 0, Qt::AlignTop);
    soldRow->addWidget(soldLabel, 1, Qt::AlignTop);
    soldLine->setMinimumHeight(soldLabel->heightForWidth(360));
    form->addRow(soldLine);
    m_inbreeding = new QLabel(tab);
    m_inbreeding->setObjectName(QStringLiteral("inbreedingLabel"));
    m_inbreeding->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(m_inbreeding);
    return tab;
}

QWidget* ChangeAnimalDialog::buildPictureColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    m_picture = new PictureBox(kPictureFrame, column);
    m_picture->setObjectName(QStringLiteral("picturePreview"));
    auto* hint = new QLabel(tr("Idealerweise 170x120 Pixel"), column);
    hint->setStyleSheet(QStringLiteral("color: grey;"));
    auto* choose = new QPushButton(tr("Bild auswählen"), column);
    choose->setObjectName(QStringLiteral("choosePictureButton"));
    auto* remove = new QPushButton(tr("Bild löschen"), column);
    remove->setObjectName(QStringLiteral("deletePictureButton"));
    layout->addWidget(m_picture);
    layout->addWidget(hint);
    layout->addWidget(choose);
    layout->addWidget(remove);
    layout->addStretch();
    connect(choose, &QPushButton::clicked, this, &ChangeAnimalDialog::choosePicture);
    connect(remove, &QPushButton::clicked, this, &ChangeAnimalDialog::deletePicture);
    return column;
}

void ChangeAnimalDialog::openNormal()
{
    m_searchMode = false;
    m_openingFromSearch = false;
    m_sortChoice->setCurrentIndex(0);
    m_stock.sortStock();
    showModal(this);
}

ChangeAnimalDialog::~ChangeAnimalDialog() = default;

void ChangeAnimalDialog::openSearchResults(const QStringList& results, const std::optional<QString>& selected)
{
    m_searchMode = true;
    m_searchResults = results;
    m_openingFromSearch = true;
    m_searchSelection = selected;
    showModal(this);
}

void ChangeAnimalDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        prepareOnShow();
    QDialog::showEvent(event);
}

void ChangeAnimalDialog::clearFields()
{
    m_fields.ring->clear();
    m_fields.remarks->clear();
    m_fields.listRemarks->clear();
    m_fields.sex->setCurrentIndex(-1);
    m_sold->setChecked(false);
    m_picture->clearPicture();
    m_inbreeding->clear();
    m_whereabouts->clear();
    m_location->clear();
    m_shows->setRing(std::nullopt);
    m_genetics->clear();
}

void ChangeAnimalDialog::prepareOnShow()
{
    // The animal stays selected by its ring, so a list in another order or filter cannot show another one.
    std::optional<QString> keep = m_list->selectedRing();
    if (m_openingFromSearch) {
        keep = m_searchSelection; // nothing selected in the search: nothing selected here
        m_openingFromSearch = false;
    }
    resetFieldsAndLists();
    if (keep)
        m_list->selectRing(*keep);
}

void ChangeAnimalDialog::resetFieldsAndLists()
{
    clearFields();
    setChoices(m_fields.year, yearList());
    setChoices(m_fields.breeder, offeredFrom(m_stock, &Animal::breeder));
    setChoices(m_fields.breed, offeredFrom(m_stock, &Animal::breed));
    setChoices(m_fields.colour, offeredFrom(m_stock, &Animal::colour));
    setChoices(m_fields.markings, offeredFrom(m_stock, &Animal::markings));
    m_filter->setBreeds(offeredFrom(m_stock, &Animal::breed));
    setWindowTitle(m_searchMode ? tr("Gefundene Kanarienvögel (Kanarienvögel ändern Modus)")
                                : tr("Kanarienvögel ändern"));
    fillList();
    m_status->showMessage(tr("den Kanarienvogel anklicken um mit dem Ändern zu beginnen."));
}

void ChangeAnimalDialog::fillList()
{
    if (m_searchMode) {
        m_list->setRings(m_searchResults);
        return;
    }
    QStringList rings = activeRings(m_stock.animals());
    if (m_sortChoice->currentIndex() == 0)
        sortAlphabetically(rings);
    m_list->setRings(rings);
}

void ChangeAnimalDialog::applyFilter()
{
    const std::optional<QString> breed = m_filter->breed();
    if (!breed) {
        fillList();
        return;
    }
    QStringList rings = activeRings(m_stock.animals(), &*breed);
    if (m_searchMode) {
        const QSet<QString> found(m_searchResults.cbegin(), m_searchResults.cend());
        rings.removeIf([&found](const QString& ring) { return !found.contains(ring); });
    }
    if (m_searchMode || m_sortChoice->currentIndex() == 0)
        sortAlphabetically(rings);
    m_list->setRings(rings);
}

void ChangeAnimalDialog::selectAnimal(const QString& ring)
{
    const QString picture = m_stock.pictures().pathOf(ring);
    m_picture->clearPicture();
    if (QFile::exists(picture))
        m_picture->showPicture(picture, kSelectedPictureFit); // an unreadable picture says so in its box
    const Animal* animal = m_stock.lastActive(ring);
    if (!animal)
        return;
    m_fields.show(*animal);
    m_whereabouts->show(ring, m_stock.records().whereabouts(ring));
    m_location->show(ring, m_stock.records().moves(ring), offeredLocations(m_stock, ring));
    {
        const QSignalBlocker quiet(m_sold); // showing the mark changes no whereabouts
        m_sold->setChecked(animal->sold != 0);
    }
    m_shows->setRing(ring);
    m_genetics->show(colourReading(m_stock), m_stock.ringIndex().lastActiveWith(ring),
                     m_stock.records().colourFactors(ring), animal->sex != Sex::Female);
    const Inbreeding f
        = InbreedingCalculator(m_stock.animals(), m_stock.ringIndex()).of(m_stock.ringIndex().lastActiveWith(ring));
    m_inbreeding->setText(tr("Inzuchtkoeffizient: %1").arg(f.percent())
                          + (f.cycleCut ? tr(" (Schleife in den Elternbeziehungen übergangen)") : QString()));
    m_status->showMessage(tr("Bitte den Kanarienvogel ändern und danach auf \"Kanarienvogel ändern\" klicken."));
}

std::optional<QString> ChangeAnimalDialog::selectedOrComplain()
{
    const std::optional<QString> ring = m_list->selectedRing();
    if (!ring)
        Messages::current().inform(this, noSelectionMessage());
    return ring;
}

void ChangeAnimalDialog::saveChanges()
{
    const std::optional<QString> selected = selectedOrComplain();
    if (!selected)
        return;
    QString problem;
    const std::optional<Whereabouts> whereabouts = m_whereabouts->input(problem);
    if (!problem.isEmpty()) {
        Messages::current().inform(this, problem);
        return;
    }
    const std::optional<LocationMove> move = m_location->input(problem);
    if (!problem.isEmpty()) {
        Messages::current().inform(this, problem);
        return;
    }
    if (const QString factors = m_genetics->problem(); !factors.isEmpty()) {
        Messages::current().inform(this, tr("Die Erbanlagen passen nicht zusammen: %1").arg(factors));
        return;
    }
    const AnimalEdit edit {m_fields.input(),    m_sold->isChecked(), whereabouts,
                           m_genetics->input(), m_shows->input(),    move};
    // The animal keeps its picture; links to its old ring follow only when the breeder says so.
    const QString newRing = edit.storedRing();
    const AnimalEditResult result = m_stock.changeAnimal(*selected, edit, [&](int links) {
        return Messages::current().askYesNo(
            this, tr("Frage"),
            tr("%1 Verweise (Eltern, Zuchtpaare, Jungtiere) nennen noch die bisherige Ringnummer %2. "
               "Sollen sie auf die neue Ringnummer %3 geändert werden?")
                .arg(links)
                .arg(*selected, newRing));
    });
    // Refused, the animal stays under its ring: a wrong entry is told plainly, a records failure warned of.
    const QString shown = result.stored() ? newRing : *selected;
    if (result.outcome == AnimalEditResult::Outcome::Stored) {
        if (!result.pictureProblem.isEmpty())
            Messages::current().warn(this, result.pictureProblem);
    } else if (result.outcome == AnimalEditResult::Outcome::RecordsRefused) {
        Messages::current().warn(this, result.message);
    } else {
        Messages::current().inform(this, result.message);
    }
    rebuildShowing(shown);
    emit clearSelectionRequested();
}

void ChangeAnimalDialog::rebuildShowing(const std::optional<QString>& ring)
{
    // The lists are built anew with the same breed filter and the same animal shown, if it is still there.
    const std::optional<QString> breed = m_filter->breed();
    resetFieldsAndLists();
    if (m_filter->selectBreed(breed))
        applyFilter();
    if (ring)
        m_list->selectRing(*ring);
}

void ChangeAnimalDialog::choosePicture()
{
    const std::optional<QString> ring = selectedOrComplain();
    if (!ring)
        return;
    const QString path = Prompts::current().openPicture(this, Prompts::pictureFilter());
    if (path.isEmpty())
        return;
    if (const QString failure = m_stock.storePicture(*ring, path); !failure.isEmpty()) {
        Messages::current().warn(this, failure);
        return;
    }
    if (const QString failure = m_picture->showPicture(path, kPictureFrame); !failure.isEmpty())
        Messages::current().warn(this, failure);
    Messages::current().inform(this, tr("Bild wurde gespeichert."));
}

void ChangeAnimalDialog::deletePicture()
{
    const std::optional<QString> ring = selectedOrComplain();
    if (!ring)
        return;
    if (!m_stock.pictures().exists(*ring))
        return;
    if (const QString failure = m_stock.removePicture(*ring); !failure.isEmpty()) {
        Messages::current().warn(this, failure);
        return;
    }
    m_picture->clearPicture();
}
