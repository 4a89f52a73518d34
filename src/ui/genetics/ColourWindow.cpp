#include "ui/genetics/ColourWindow.h"

#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"
#include "ui/common/Choices.h"
#include "ui/common/Named.h"
#include "ui/genetics/ExpectedYoungView.h"
#include "ui/genetics/FactorStatesEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// The first entry of both animal lists.
QString byHand()
{
    return QCoreApplication::translate("ColourWindow", "(Anlagen von Hand)");
}

} // namespace

ColourWindow::ColourWindow(StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("ColourWindow"));
    setWindowTitle(tr("Farbvererbung"));
    auto* animals = new QWidget(this);
    auto* sides = new QVBoxLayout(animals);
    sides->addWidget(buildSide(m_cock, true));
    sides->addWidget(buildSide(m_hen, false));
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(animals);
    scroll->setWidgetResizable(true);

    const FactorTable& table = FactorTable::canary();
    m_crossover = named(new QDoubleSpinBox(this), "crossoverRate",
                        tr("Wie oft ein Hahn, der braun und eine Verdünnung trägt, beide durch Crossing-over "
                           "getrennt weitergibt. Der vorgegebene Wert ist vorläufig: tragen Sie ein, was Sie im "
                           "eigenen Bestand sehen."));
    m_crossover->setRange(0, 50);
    m_crossover->setDecimals(0);
    m_crossover->setSuffix(QStringLiteral(" %"));
    m_crossover->setValue(table.crossover() * 100);
    m_phase = named(new QComboBox(this), "cockPhase",
                    tr("Trägt der Hahn braun und eine Verdünnung verdeckt, ob beide auf einem "
                       "Z-Chromosom liegen oder auf je einem"));
    m_phase->addItem(tr("unbekannt: je zur Hälfte gerechnet"));
    m_phase->addItem(tr("auf einem Z-Chromosom"), int(LinkagePhase::Coupled));
    m_phase->addItem(tr("auf je einem Z-Chromosom"), int(LinkagePhase::Repulsion));
    m_likely = named(new QCheckBox(tr("&Wahrscheinliche Anlagen mitrechnen"), this), "withLikely",
                     tr("Anlagen, die der Stammbaum nur wahrscheinlich macht, mit ihrer Wahrscheinlichkeit "
                        "rechnen"));
    auto* options = new QFormLayout;
    options->addRow(tr("&Crossing-over braun/Verdünnung:"), m_crossover);
    options->addRow(tr("&Lage beim Hahn:"), m_phase);
    options->addRow(m_likely);
    m_young = new ExpectedYoungView(this);
    auto* result = new QVBoxLayout;
    result->addLayout(options);
    result->addWidget(new QLabel(tr("Erwartete Jungen:"), this));
    result->addWidget(m_young, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(result, 1);
    connect(m_crossover, &QDoubleSpinBox::valueChanged, this, &ColourWindow::calculate);
    connect(m_phase, &QComboBox::currentIndexChanged, this, &ColourWindow::calculate);
    connect(m_likely, &QCheckBox::toggled, this, &ColourWindow::calculate);
    connect(&m_stock, &StockDocument::changed, this, [this] {
        if (isVisible())
            fillAnimals();
    });
    resize(1180, 720);
}

ColourWindow::~ColourWindow() = default;

QWidget* ColourWindow::buildSide(Side& side, bool male)
{
    auto* group = new QGroupBox(male ? tr("Hahn") : tr("Henne"), this);
    side.animal = named(makeListCombo(group, male ? QStringLiteral("cockChoice") : QStringLiteral("henChoice")),
                        male ? "cockChoice" : "henChoice",
                        tr("Ein Vogel aus dem Bestand, oder „%1“ für Anlagen zum Eintragen").arg(byHand()));
    side.animal->setAccessibleName(male ? tr("Hahn") : tr("Henne"));
    side.factors = new FactorStatesEditor(group);
    side.factors->setObjectName(male ? QStringLiteral("cockFactors") : QStringLiteral("henFactors"));
    side.factors->setFactors({}, male);
    side.findings = named(new QLabel(group), male ? "cockFindings" : "henFindings");
    side.findings->setWordWrap(true);
    side.findings->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* form = new QFormLayout;
    form->addRow(male ? tr("&Hahn:") : tr("H&enne:"), side.animal);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(form);
    layout->addWidget(side.factors);
    layout->addWidget(side.findings);
    connect(side.animal, &QComboBox::currentIndexChanged, this, [this, &side, male] {
        showAnimal(side, male);
        calculate();
    });
    connect(side.factors, &FactorStatesEditor::changed, this, &ColourWindow::calculate);
    return group;
}

void ColourWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        fillAnimals();
    QDialog::showEvent(event);
}

void ColourWindow::fillAnimals()
{
    QStringList cocks {byHand()};
    QStringList hens {byHand()};
    for (const qsizetype i : m_stock.alphabeticalRingOrder()) {
        const Animal& a = m_stock.animals()[size_t(i)];
        if (!a.isActive())
            continue;
        if (a.sex == Sex::Male)
            cocks << a.ringNumber;
        else if (a.sex == Sex::Female)
            hens << a.ringNumber;
    }
    for (auto [side, rings] : {std::pair(&m_cock, &cocks), std::pair(&m_hen, &hens)}) {
        const QString kept = side->animal->currentText();
        {
            const QSignalBlocker quiet(side->animal);
            setChoices(side->animal, *rings);
            if (kept.isEmpty() || !selectEntry(side->animal, kept))
                side->animal->setCurrentIndex(0);
        }
        showAnimal(*side, side == &m_cock);
    }
    calculate();
}

void ColourWindow::choosePair(const QString& cockRing, const QString& henRing)
{
    if (!isVisible())
        fillAnimals();
    for (auto [side, ring] : {std::pair(&m_cock, cockRing), std::pair(&m_hen, henRing)})
        if (ring.isEmpty() || !selectEntry(side->animal, ring))
            side->animal->setCurrentIndex(0);
}

void ColourWindow::showAnimal(Side& side, bool male)
{
    const qsizetype animal = side.animal->currentIndex() > 0
        ? m_stock.ringIndex().lastActiveWith(side.animal->currentText())
        : qsizetype(-1);
    side.factors->setEnabled(animal < 0);
    if (animal < 0) {
        side.findings->setText(tr("Anlagen von Hand: bitte oben wählen."));
        return;
    }
    PedigreeReading& reading = colourReading(m_stock);
    // The bird's factors as the calculator takes them: entered, shown by its colour, proven.
    const AnimalFactors known = reading.factorsOf(animal, false);
    FactorStates states;
    for (int f = 0; f < int(reading.table().factors().size()); ++f)
        if (known.state(f) != FactorState::Unknown)
            states[reading.table().factor(f).key] = known.state(f);
    side.factors->setFactors(states, male);
    QStringList lines;
    for (const FactorFinding& finding : reading.findings(animal))
        lines << finding.text(reading.table());
    side.findings->setText(lines.isEmpty() ? tr("Der Stammbaum belegt keine verdeckten Anlagen.")
                                           : lines.join(QLatin1Char('\n')));
}

AnimalFactors ColourWindow::factorsOf(const Side& side, bool male)
{
    const qsizetype animal = side.animal->currentIndex() > 0
        ? m_stock.ringIndex().lastActiveWith(side.animal->currentText())
        : qsizetype(-1);
    if (animal >= 0)
        return colourReading(m_stock).factorsOf(animal, m_likely->isChecked());
    const FactorTable& table = FactorTable::canary();
    AnimalFactors byHand = AnimalFactors::none(table, male);
    for (const auto& [key, state] : side.factors->factors())
        if (const int f = table.find(key); f >= 0)
            byHand.states[size_t(f)] = state;
    return byHand;
}

void ColourWindow::calculate()
{
    PairingOptions options;
    options.withLikely = m_likely->isChecked();
    options.crossover = m_crossover->value() / 100;
    if (m_phase->currentData().isValid())
        options.cockPhase = LinkagePhase(m_phase->currentData().toInt());
    const AnimalFactors cock = factorsOf(m_cock, true);
    // The phase is asked for only where it matters and the pedigree does not tell it.
    QString problem;
    const std::optional<AnimalGenes> genes = genesOf(FactorTable::canary(), cock, problem);
    m_phase->setEnabled(genes && !genes->unknownPhase.isEmpty());
    m_young->show(calculatePairing(cock, factorsOf(m_hen, false), options));
}
