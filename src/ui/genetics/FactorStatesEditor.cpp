#include "ui/genetics/FactorStatesEditor.h"

#include "core/genetics/FactorTable.h"
#include "ui/common/Named.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace {

std::vector<FactorState> offered(const ColourLocus& locus, bool male)
{
    std::vector<FactorState> states {FactorState::Unknown, FactorState::Absent};
    if (!locus.dominant() && locus.simple() && (male || !locus.sexLinked()))
        states.push_back(FactorState::Carrier);
    states.push_back(FactorState::Visual);
    const bool doubleLives = std::none_of(locus.lethal.begin(), locus.lethal.end(), [](bool dies) { return dies; });
    if (locus.dominant() && doubleLives)
        states.push_back(FactorState::DoubleFactor);
    return states;
}

} // namespace

FactorStatesEditor::FactorStatesEditor(QWidget* parent) : QWidget(parent), m_table(FactorTable::canary())
{
    auto* grid = new QGridLayout(this);
    const int rows = int(m_table.factors().size() + 1) / 2;
    for (int f = 0; f < int(m_table.factors().size()); ++f) {
        const ColourFactor& factor = m_table.factor(f);
        const ColourLocus& locus = m_table.locusOf(f);
        auto* choice = new QComboBox(this);
        choice->setObjectName(QStringLiteral("factor-") + factor.key);
        //: %1 is a colour factor, %2 how it is inherited
        choice->setToolTip(tr("%1: %2").arg(factor.shownColourWord(), inheritanceText(locus.inheritance)));
        //: %1 is a colour factor, labelling its choice
        auto* label = new QLabel(tr("%1:").arg(factor.shownColourWord()), this);
        label->setBuddy(choice);
        const int row = f % rows;
        const int column = (f / rows) * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(choice, row, column + 1);
        m_choices.push_back(choice);
        offer(f, FactorState::Unknown);
        connect(choice, &QComboBox::currentIndexChanged, this, &FactorStatesEditor::changed);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void FactorStatesEditor::offer(int factor, FactorState keep)
{
    QComboBox* choice = m_choices[size_t(factor)];
    const QSignalBlocker quiet(choice);
    choice->clear();
    std::vector<FactorState> states = offered(m_table.locusOf(factor), m_male);
    if (std::find(states.begin(), states.end(), keep) == states.end())
        states.push_back(keep); // entered before: shown, and the check on storing says why it cannot be
    for (const FactorState state : states)
        choice->addItem(AnimalRecordWords::factorStateWord(state), int(state));
    choice->setCurrentIndex(choice->findData(int(keep)));
}

void FactorStatesEditor::setFactors(const FactorStates& factors, bool male)
{
    m_male = male;
    for (int f = 0; f < int(m_table.factors().size()); ++f) {
        const auto it = factors.find(m_table.factor(f).key);
        offer(f, it == factors.end() ? FactorState::Unknown : it->second);
    }
}

void FactorStatesEditor::setMale(bool male)
{
    setFactors(factors(), male);
}

FactorStates FactorStatesEditor::factors() const
{
    FactorStates chosen;
    for (int f = 0; f < int(m_table.factors().size()); ++f) {
        const auto state = FactorState(m_choices[size_t(f)]->currentData().toInt());
        if (state != FactorState::Unknown)
            chosen[m_table.factor(f).key] = state;
    }
    return chosen;
}

void FactorStatesEditor::clear()
{
    setFactors({}, m_male);
}
