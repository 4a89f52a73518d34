#include "ui/breeding/BreedingDialog.h"

#include "core/analysis/Inbreeding.h"
#include "core/breeding/BreedingRules.h"
#include "core/genetics/StockColours.h"
#include "core/model/Dates.h"
#include "core/season/MatePlanner.h"
#include "core/stock/RingIndex.h"
#include "core/stock/SelectorLists.h"
#include "core/stock/StockDocument.h"
#include "ui/breeding/RingingGroup.h"
#include "ui/common/Choices.h"
#include "ui/common/Messages.h"
#include "ui/common/Named.h"
#include "ui/common/UndoShortcuts.h"
#include "ui/genetics/ExpectedYoungView.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const char* const kStartTip = QT_TRANSLATE_NOOP("BreedingDialog", "Wann wurde die Zucht gestartet?");
const char* const kCageTip = QT_TRANSLATE_NOOP("BreedingDialog", "Nr des Zuchtkäfigs?");
const char* const kCockTip = QT_TRANSLATE_NOOP("BreedingDialog", "Wer ist der Vater?");
const char* const kHenTip = QT_TRANSLATE_NOOP("BreedingDialog", "Wer ist die Mutter?");

// The start date's edit with its note on the format beside it.
QWidget* withFormatNote(QLineEdit* edit)
{
    auto* row = new QWidget(edit->parentWidget());
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    edit->setParent(row);
    auto* note = new QLabel(QCoreApplication::translate("BreedingDialog", "<i>im Format TT.MM.JJJJ</i>"), row);
    layout->addWidget(edit);
    layout->addWidget(note);
    layout->addStretch();
    return row;
}

// The cock or hen of a pair, as the list shows it (empty for none).
QString shown(const QComboBox* list)
{
    return list->currentIndex() >= 0 ? list->currentText() : QString();
}

std::optional<QString> chosen(const QComboBox* list)
{
    return list->currentIndex() >= 0 ? std::optional(list->currentText()) : std::nullopt;
}

} // namespace

BreedingDialog::BreedingDialog(StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("BreedingDialog"));
    setWindowTitle(tr("Nachwuchsverwaltung"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(7, 7, 7, 7);
    auto* intro
        = new QLabel(tr("Hier können Sie Daten zu Zuchtpaaren hinterlegen, Gelege eingeben und das Beringen der "
                        "Jungvögel vornehmen. Die Daten sind relevant für die Zuchtdatei. Um Hilfe zu erhalten einfach "
                        "mit der Maus über das entsprechende Feld gehen."),
                     this);
    intro->setWordWrap(true);
    intro->setAlignment(Qt::AlignCenter);
    layout->addWidget(intro);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("breedingTabs"));
    m_tabs->addTab(buildNewPairTab(), tr("Neues Zuchtpaar anlegen"));
    m_tabs->addTab(buildPairTab(), tr("Zuchtpaar anzeigen/bearbeiten"));
    layout->addWidget(m_tabs, 1);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { fillLists(true); });
    connect(this, &QDialog::finished, this, &BreedingDialog::clearSelectionRequested);
    new UndoShortcuts(m_stock, this, [this] {
        // The same pair and clutch stay shown while they exist, so a taken-back change is seen at once.
        const int pair = selectedPair();
        const int clutch = selectedClutch();
        fillLists(false);
        if (pair < 0 || pair >= m_pairs->count())
            return;
        m_pairs->setCurrentIndex(pair);
        if (clutch >= 0 && clutch < m_clutches->count())
            m_clutches->setCurrentIndex(clutch);
    });
    // One fixed size that holds the clutch and the egg being ringed.
    m_clutchGroup->show();
    m_ringing->showAll(true);
    layout->activate();
    setFixedSize(sizeHint().expandedTo(QSize(632, 629)));
    m_ringing->showAll(false);
}

BreedingDialog::~BreedingDialog() = default;

QWidget* BreedingDialog::buildNewPairTab()
{
    auto* tab = new QWidget(this);
    auto* form = new QFormLayout(tab);
    m_newStart = named(new QLineEdit(tab), "newStartEdit", tr(kStartTip));
    m_newCage = named(new QLineEdit(tab), "newCageEdit", tr(kCageTip));
    m_newCock = named(makeListCombo(tab, {}), "newCockList", tr(kCockTip));
    m_newHen = named(makeListCombo(tab, {}), "newHenList", tr(kHenTip));
    form->addRow(tr("Zuchtbeginn:"), withFormatNote(m_newStart));
    form->addRow(tr("Hecke:"), m_newCage);
    form->addRow(tr("Vogel (m) 1.0:"), m_newCock);
    form->addRow(tr("Vogel (w) 0.1:"), m_newHen);
    auto* create = named(new QPushButton(tr("Zuchtpaar anlegen"), tab), "createPairButton",
                         tr("Speichert das aktuell eingegebene Zuchtpaar.\nGelege können im nächsten "
                            "Schritt eingegeben\nwerden."));
    form->addRow(create);
    // What colours the young will have, as soon as both birds are chosen.
    m_newYoung = new ExpectedYoungView(tab);
    form->addRow(new QLabel(tr("Farben der Jungen:"), tab));
    form->addRow(m_newYoung);
    connect(create, &QPushButton::clicked, this, &BreedingDialog::createPair);
    connect(m_newCock, &QComboBox::currentIndexChanged, this, &BreedingDialog::showNewPairColours);
    connect(m_newHen, &QComboBox::currentIndexChanged, this, &BreedingDialog::showNewPairColours);
    return tab;
}

QWidget* BreedingDialog::buildPairTab()
{
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    auto* form = new QFormLayout;
    m_pairs = named(makeListCombo(tab, {}), "pairList", tr("Welches Zuchtpaar soll angezeigt bzw. bearbeitet werden?"));
    m_pairs->setMinimumWidth(335);
    m_start = named(new QLineEdit(tab), "startEdit", tr(kStartTip));
    m_cage = named(new QLineEdit(tab), "cageEdit", tr(kCageTip));
    m_cock = named(makeListCombo(tab, {}), "cockList", tr(kCockTip));
    m_hen = named(makeListCombo(tab, {}), "henList", tr(kHenTip));
    m_clutches
        = named(makeListCombo(tab, {}), "clutchList", tr("Keine Gelege auswählbar? \nDann ein neues Gelege anlegen."));
    m_newClutch = named(new QPushButton(tr("Neues Gelege anlegen"), tab), "newClutchButton",
                        tr("Legt ein neues Gelege dieses Zuchtpaares an."));
    form->addRow(tr("Zuchtpaar auswählen:"), m_pairs);
    form->addRow(tr("Zuchtbeginn:"), m_start);
    form->addRow(tr("Hecke:"), m_cage);
    form->addRow(tr("Vogel (m) 1.0:"), m_cock);
    form->addRow(tr("Vogel (w) 0.1:"), m_hen);
    m_pairInbreeding = named(new QLabel(tab), "pairInbreedingLabel");
    auto* colours = named(new QPushButton(tr("Farben der &Jungen…"), tab), "pairColoursButton",
                          tr("Zeigt, welche Farben die Jungen dieses Paares erwarten lassen"));
    auto* inbreedingRow = new QHBoxLayout;
    inbreedingRow->addWidget(m_pairInbreeding, 1);
    inbreedingRow->addWidget(colours);
    form->addRow(inbreedingRow);
    connect(colours, &QPushButton::clicked, this, [this] {
        if (m_cock->currentIndex() < 0 || m_hen->currentIndex() < 0)
            Messages::current().inform(this, tr("Bitte zuerst Hahn und Henne wählen."));
        else
            emit coloursRequested(shown(m_cock), shown(m_hen));
    });
    auto* clutchRow = new QHBoxLayout;
    clutchRow->addWidget(m_clutches, 1);
    clutchRow->addWidget(m_newClutch);
    form->addRow(tr("Gelege auswählen:"), clutchRow);
    layout->addLayout(form);
    layout->addWidget(buildClutchGroup());
    m_ringing = new RingingGroup(
        m_stock,
        [this] {
            return std::pair {shown(m_cock), shown(m_hen)};
        },
        tab);
    layout->addWidget(m_ringing);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    auto* save = named(new QPushButton(tr("Zuchtpaar speichern"), tab), "savePairButton",
                       tr("Speichert die Änderungen zum Zuchtpaar"));
    auto* remove = named(new QPushButton(tr("Zuchtpaar löschen"), tab), "deletePairButton",
                         tr("Löscht das Zuchtpaar sowie deren Gelege und Eier. \nEvtl. daraus "
                            "vorgegangene Jungtiere werden dabei \nnicht gelöscht."));
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(remove);
    layout->addLayout(buttons);

    connect(m_pairs, &QComboBox::currentIndexChanged, this, &BreedingDialog::selectPair);
    connect(m_cock, &QComboBox::currentIndexChanged, this, &BreedingDialog::showPairInbreeding);
    connect(m_hen, &QComboBox::currentIndexChanged, this, &BreedingDialog::showPairInbreeding);
    connect(m_clutches, &QComboBox::currentIndexChanged, this, &BreedingDialog::selectClutch);
    connect(m_newClutch, &QPushButton::clicked, this, &BreedingDialog::newClutch);
    connect(save, &QPushButton::clicked, this, &BreedingDialog::savePair);
    connect(remove, &QPushButton::clicked, this, &BreedingDialog::deletePair);
    return tab;
}

QGroupBox* BreedingDialog::buildClutchGroup()
{
    m_clutchGroup = named(new QGroupBox(tr("Gelege:"), this), "clutchGroup");
    auto* form = new QFormLayout(m_clutchGroup);
    m_eggCount
        = named(new QLineEdit(m_clutchGroup), "eggCountEdit", tr("Wieviele Eier wurden mit diesem Gelege gelegt?"));
    m_firstEgg = named(new QLineEdit(m_clutchGroup), "firstEggEdit",
                       tr("Wann wurde das erste Ei, dass durch ein Kunststoffei ersetzt wird gelegt?"));
    m_lastEgg = named(new QLineEdit(m_clutchGroup), "lastEggEdit", tr("Wann wurde das letzte Ei des Geleges gelegt?"));
    m_incubationStart = named(new QLineEdit(m_clutchGroup), "incubationStartEdit",
                              tr("Wann wurden die Kunststoffeier durch die Gelege ersetzt (=Brutbeginn)?"));
    form->addRow(tr("Anzahl Eier:"), m_eggCount);
    form->addRow(tr("Datum Erstes Ei:"), m_firstEgg);
    form->addRow(tr("Datum Letztes Ei:"), m_lastEgg);
    form->addRow(tr("Datum Gelege gesetzt:"), m_incubationStart);
    auto* remove = named(new QPushButton(tr("Gelege löschen"), m_clutchGroup), "deleteClutchButton",
                         tr("Löscht das Gelege aus der Datenbank. \nEvtl. eingetragene Eier gehen dabei "
                            "verloren.\n\nDie Jungvögel die bei der Beringung angelegt wurden bleiben "
                            "erhalten."));
    auto* save = named(new QPushButton(tr("Gelege speichern"), m_clutchGroup), "saveClutchButton",
                       tr("Speichert das Gelege und alle Änderungen darin."));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(remove);
    buttons->addWidget(save);
    form->addRow(buttons);
    connect(save, &QPushButton::clicked, this, &BreedingDialog::saveClutch);
    connect(remove, &QPushButton::clicked, this, &BreedingDialog::deleteClutch);
    return m_clutchGroup;
}

void BreedingDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        fillLists(false);
    QDialog::showEvent(event);
}

void BreedingDialog::fillLists(bool tabChanged)
{
    const PairCandidates candidates = pairCandidates(m_stock.animals(), m_stock.alphabeticalRingOrder());
    for (QComboBox* cocks : {m_newCock, m_cock})
        setChoices(cocks, candidates.cocks);
    for (QComboBox* hens : {m_newHen, m_hen})
        setChoices(hens, candidates.hens);
    m_clutchGroup->hide();
    m_ringing->hide();
    m_ringing->clearEgg();
    m_clutches->setEnabled(false);
    setChoices(m_pairs, pairCaptions(m_stock.pairs()));
    if (tabChanged) {
        m_start->clear();
        m_cage->clear();
    }
    showPairInbreeding(); // no cock and hen chosen any more: no figure
    showNewPairColours();
}

void BreedingDialog::showNewPairColours()
{
    if (m_newCock->currentIndex() < 0 || m_newHen->currentIndex() < 0) {
        m_newYoung->clear(tr("Sind Hahn und Henne gewählt, stehen hier die Farben ihrer Jungen."));
        return;
    }
    m_newYoung->show(pairAnimals(m_stock, shown(m_newCock), shown(m_newHen), {}));
}

void BreedingDialog::showPairInbreeding()
{
    // The young of the cock and hen shown, before anything is ringed.
    if (m_cock->currentIndex() < 0 || m_hen->currentIndex() < 0) {
        m_pairInbreeding->clear();
        return;
    }
    const Inbreeding f
        = InbreedingCalculator(m_stock.animals(), m_stock.ringIndex()).ofPair(shown(m_cock), shown(m_hen));
    m_pairInbreeding->setText(tr("Inzuchtkoeffizient der Jungen: %1").arg(f.percent()));
}

int BreedingDialog::selectedPair() const
{
    return m_pairs->currentIndex();
}

int BreedingDialog::selectedClutch() const
{
    return m_clutches->currentIndex();
}

bool BreedingDialog::pairSelectedOrComplain(const QString& message)
{
    if (selectedPair() >= 0)
        return true;
    Messages::current().inform(this, message);
    return false;
}

void BreedingDialog::showPair(int pair)
{
    m_tabs->setCurrentIndex(1);
    if (pair >= 0 && pair < m_pairs->count())
        m_pairs->setCurrentIndex(pair);
}

void BreedingDialog::prepareNewPair(const QString& cockRing, const QString& henRing)
{
    m_tabs->setCurrentIndex(0);
    selectEntry(m_newCock, cockRing);
    selectEntry(m_newHen, henRing);
    m_newStart->setText(Dates::local(QDate::currentDate()));
    m_newCage->setFocus();
}

bool BreedingDialog::acceptRelation(const PairInput& input)
{
    const std::optional<MateCandidate> close = closeRelation(m_stock, *input.cock, *input.hen);
    if (!close)
        return true;
    const QString how
        = close->relationship.isEmpty() ? tr("eng verwandt") : tr("eng verwandt (%1)").arg(close->relationship);
    return Messages::current().askYesNo(
        this, tr("Frage"),
        tr("Hahn %1 und Henne %2 sind %3: Die Jungen hätten einen Inzuchtkoeffizienten von %4.\n\n"
           "Trotzdem als Zuchtpaar speichern?")
            .arg(*input.cock, *input.hen, how, Inbreeding {close->inbreeding, false}.percent()));
}

void BreedingDialog::createPair()
{
    const PairInput input {m_newStart->text(), m_newCage->text(), chosen(m_newCock), chosen(m_newHen)};
    if (const QString refused = checkPair(input); !refused.isEmpty()) {
        Messages::current().inform(this, refused);
        return;
    }
    if (!acceptRelation(input))
        return;
    m_stock.addPair(makePair(input));
    m_newStart->clear();
    m_newCage->clear();
    m_newCock->setCurrentIndex(-1);
    m_newHen->setCurrentIndex(-1);
    m_tabs->setCurrentIndex(1); // refills the lists
    Messages::current().inform(this,
                               tr("Das Zuchtpaar wurde gespeichert. Wählen Sie es nun aus um Gelege einzugeben."));
}

void BreedingDialog::selectPair()
{
    m_clutchGroup->hide();
    m_ringing->hide();
    m_ringing->clearEgg();
    const int index = selectedPair();
    if (index < 0)
        return;
    const BreedingPair& pair = m_stock.pairs().at(size_t(index));
    m_start->setText(Dates::localDays(pair.breedingStart));
    m_cage->setText(QString::number(pair.cageNumber));
    // The lists' own look-up: the exact text, letter case ignored; a ring not listed selects nothing.
    m_cock->setCurrentIndex(m_cock->findText(pair.cockRing, Qt::MatchFixedString));
    m_hen->setCurrentIndex(m_hen->findText(pair.henRing, Qt::MatchFixedString));
    m_clutches->setEnabled(!pair.clutches.empty());
    setChoices(m_clutches, clutchCaptions(pair));
    showPairInbreeding();
}

void BreedingDialog::savePair()
{
    if (!pairSelectedOrComplain(tr("Bitte wählen Sie zunächst das Zuchtpaar aus, das Sie bearbeiten möchten.")))
        return;
    const PairInput input {m_start->text(), m_cage->text(), chosen(m_cock), chosen(m_hen)};
    if (const QString refused = checkPair(input); !refused.isEmpty()) {
        Messages::current().inform(this, refused);
        return;
    }
    const BreedingPair& stored = m_stock.pairs().at(size_t(selectedPair()));
    const bool newPartners = stored.cockRing != *input.cock || stored.henRing != *input.hen;
    if (newPartners && !acceptRelation(input))
        return;
    m_stock.changePair(selectedPair(), makePair(input));
    m_cock->setCurrentIndex(-1);
    m_hen->setCurrentIndex(-1);
    fillLists(true);
    Messages::current().inform(this, tr("Das Zuchtpaar wurde gespeichert."));
}

void BreedingDialog::deletePair()
{
    if (!pairSelectedOrComplain(tr("Bitte wählen Sie zunächst das Zuchtpaar aus, das Sie löschen möchten.")))
        return;
    m_stock.removePair(selectedPair());
    fillLists(true);
    m_newClutch->show();
}

void BreedingDialog::newClutch()
{
    if (!pairSelectedOrComplain(tr("Wählen Sie zunächst das Zuchtpaar aus, dessen Gelege Sie anlegen möchten.")))
        return;
    const int pair = selectedPair();
    m_stock.addClutch(pair);
    selectPair();
    for (QLineEdit* edit : {m_eggCount, m_firstEgg, m_lastEgg, m_incubationStart})
        edit->clear();
    m_clutchGroup->show();
    m_newClutch->hide();
    m_clutches->setEnabled(true);
    const QSignalBlocker quiet(m_clutches); // the new clutch is selected without being shown as a saved one
    m_clutches->setCurrentIndex(m_clutches->count() - 1);
}

void BreedingDialog::selectClutch()
{
    const int clutch = selectedClutch();
    if (clutch < 0 || selectedPair() < 0) {
        m_ringing->clearEgg();
        m_ringing->hide();
        return;
    }
    const Clutch& c = m_stock.pairs().at(size_t(selectedPair())).clutches.at(size_t(clutch));
    m_eggCount->setText(QString::number(c.eggCount));
    m_firstEgg->setText(Dates::localDays(c.firstEgg));
    m_lastEgg->setText(Dates::localDays(c.lastEgg));
    m_incubationStart->setText(Dates::localDays(c.incubationStart));
    m_ringing->showClutch(selectedPair(), clutch);
    m_clutchGroup->show();
    m_ringing->show();
}

void BreedingDialog::saveClutch()
{
    const int pair = selectedPair();
    const int clutch = selectedClutch();
    if (pair < 0 || clutch < 0)
        return;
    const ClutchInput input {m_eggCount->text(), m_firstEgg->text(), m_lastEgg->text(), m_incubationStart->text()};
    if (const QString refused = checkClutch(input); !refused.isEmpty()) {
        Messages::current().inform(this, refused);
        return;
    }
    m_stock.setClutch(pair, clutch, savedClutch(m_stock.pairs().at(size_t(pair)).clutches.at(size_t(clutch)), input));
    m_clutchGroup->hide();
    m_clutches->setCurrentIndex(-1);
    m_newClutch->show();
}

void BreedingDialog::deleteClutch()
{
    const int pair = selectedPair();
    const int clutch = selectedClutch();
    if (pair < 0 || clutch < 0)
        return;
    m_stock.removeClutch(pair, clutch);
    m_clutchGroup->hide();
    m_ringing->hide();
    selectPair();
    m_newClutch->show();
}
