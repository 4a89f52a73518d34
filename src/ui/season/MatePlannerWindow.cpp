#include "ui/season/MatePlannerWindow.h"

#include "core/analysis/Inbreeding.h"
#include "core/genetics/StockColours.h"
#include "core/stock/StockDocument.h"
#include "ui/common/BreedFilter.h"
#include "ui/common/Choices.h"
#include "ui/common/Messages.h"
#include "ui/common/Named.h"

#include <QBrush>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

void MateTableModel::setCandidates(std::vector<MateCandidate> candidates, ColoursOf colours)
{
    beginResetModel();
    m_candidates = std::move(candidates);
    m_coloursOf = std::move(colours);
    m_colours.clear();
    endResetModel();
}

const MateCandidate* MateTableModel::candidate(int row) const
{
    return row >= 0 && size_t(row) < m_candidates.size() ? &m_candidates[size_t(row)] : nullptr;
}

int MateTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_candidates.size());
}

int MateTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant MateTableModel::data(const QModelIndex& index, int role) const
{
    const MateCandidate* c = candidate(index.row());
    if (!c)
        return {};
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case 0:
            return c->ring;
        case 1:
            return Inbreeding {c->inbreeding, false}.percent();
        case 2:
            return c->relationship;
        default:
            if (!m_coloursOf)
                return {};
            if (!m_colours.contains(index.row()))
                m_colours.insert(index.row(), m_coloursOf(*c));
            return m_colours.value(index.row());
        }
    }
    if (role == Qt::BackgroundRole && c->close)
        return QBrush(QColor(255, 200, 200)); // a warning: as close as half siblings or closer
    if (role == Qt::ToolTipRole && c->close)
        return tr("Eng verwandt: Die Jungen hätten einen Inzuchtkoeffizienten von %1.")
            .arg(Inbreeding {c->inbreeding, false}.percent());
    if (role == Qt::AccessibleDescriptionRole && c->close)
        return tr("eng verwandt");
    return {};
}

QVariant MateTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const QString headings[]
        = {tr("Ringnummer"), tr("Inzucht der Jungen"), tr("Verwandtschaft"), tr("Farben der Jungen")};
    return section >= 0 && section < 4 ? headings[section] : QVariant();
}

MatePlannerWindow::MatePlannerWindow(StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("MatePlannerWindow"));
    setWindowTitle(tr("Partnersuche"));
    m_animal = named(makeListCombo(this, {}), "mateAnimalChoice",
                     tr("Der Hahn oder die Henne, für die ein Partner gesucht wird"));
    m_breed = new BreedFilter(this, tr("Nur Rasse:"));
    m_model = new MateTableModel(this);
    m_table = named(new QTableView(this), "mateTable",
                    tr("Die am wenigsten verwandten Partner stehen oben; eng verwandte sind rot"));
    m_table->setAccessibleName(tr("Mögliche Partner"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_summary = named(new QLabel(this), "mateSummary");
    auto* pair = named(new QPushButton(tr("Als &Zuchtpaar anlegen…"), this), "makePairButton",
                       tr("Öffnet die Nachwuchsverwaltung mit beiden Vögeln als neues Zuchtpaar"));
    auto* form = new QFormLayout;
    form->addRow(tr("Kanarienvogel:"), m_animal);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_breed);
    layout->addWidget(m_summary);
    layout->addWidget(m_table, 1);
    layout->addWidget(pair, 0, Qt::AlignLeft);
    connect(m_animal, &QComboBox::currentIndexChanged, this, &MatePlannerWindow::rank);
    connect(m_breed, &BreedFilter::changed, this, &MatePlannerWindow::rank);
    connect(m_breed, &BreedFilter::cleared, this, &MatePlannerWindow::rank);
    connect(pair, &QPushButton::clicked, this, &MatePlannerWindow::pairChosen);
    connect(m_table, &QTableView::doubleClicked, this, &MatePlannerWindow::pairChosen);
    resize(620, 600);
}

MatePlannerWindow::~MatePlannerWindow() = default;

void MatePlannerWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        fillAnimals();
    QDialog::showEvent(event);
}

void MatePlannerWindow::fillAnimals()
{
    // The birds that may be paired: in the stock, not sold, of known sex.
    QStringList rings;
    for (const qsizetype i : m_stock.alphabeticalRingOrder()) {
        const Animal& a = m_stock.animals()[size_t(i)];
        if (a.isActive() && a.sold == 0 && (a.sex == Sex::Male || a.sex == Sex::Female))
            rings << a.ringNumber;
    }
    const QString kept = m_animal->currentText();
    setChoices(m_animal, rings);
    m_breed->setBreeds(offeredFrom(m_stock, &Animal::breed));
    if (!kept.isEmpty())
        selectEntry(m_animal, kept);
    rank();
}

void MatePlannerWindow::choose(const QString& ring)
{
    if (!isVisible())
        fillAnimals();
    selectEntry(m_animal, ring);
}

void MatePlannerWindow::rank()
{
    if (m_animal->currentIndex() < 0) {
        m_model->setCandidates({});
        m_summary->setText(tr("Bitte den Kanarienvogel wählen."));
        return;
    }
    const MateRanking ranking = rankMates(m_stock, {m_animal->currentText(), m_breed->breed()});
    m_summary->setText(
        ranking.problem.isEmpty()
            ? tr("%1 mögliche Partner, die am wenigsten verwandten zuerst.").arg(ranking.candidates.size())
            : ranking.problem);
    const QString chosen = m_animal->currentText();
    const bool chosenIsCock = m_stock.lastActive(chosen) && m_stock.lastActive(chosen)->sex == Sex::Male;
    m_model->setCandidates(ranking.candidates, [this, chosen, chosenIsCock](const MateCandidate& mate) {
        const Pairing pairing
            = chosenIsCock ? pairAnimals(m_stock, chosen, mate.ring, {}) : pairAnimals(m_stock, mate.ring, chosen, {});
        return pairing.young ? colourSummary(*pairing.young) : pairing.problem;
    });
    m_table->resizeColumnToContents(0);
    m_table->resizeColumnToContents(1);
    m_table->resizeColumnToContents(2);
}

void MatePlannerWindow::pairChosen()
{
    const MateCandidate* mate = m_model->candidate(m_table->currentIndex().row());
    if (!mate || m_animal->currentIndex() < 0) {
        Messages::current().inform(this, tr("Bitte zuerst einen Partner in der Liste anklicken."));
        return;
    }
    const QString chosen = m_animal->currentText();
    const bool chosenIsCock = m_stock.lastActive(chosen) && m_stock.lastActive(chosen)->sex == Sex::Male;
    emit pairRequested(chosenIsCock ? chosen : mate->ring, chosenIsCock ? mate->ring : chosen);
}
