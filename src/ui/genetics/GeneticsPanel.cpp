#include "ui/genetics/GeneticsPanel.h"

#include "core/genetics/PedigreeReading.h"
#include "ui/common/Named.h"
#include "ui/genetics/FactorStatesEditor.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

GeneticsPanel::GeneticsPanel(QWidget* parent) : QWidget(parent)
{
    auto* group = new QGroupBox(tr("Erbanlagen"), this);
    m_editor = named(new FactorStatesEditor(group), "factorStates");
    auto* inGroup = new QVBoxLayout(group);
    inGroup->addWidget(m_editor);
    m_colour = named(new QLabel(this), "colourShows");
    m_colour->setWordWrap(true);
    m_findings = named(new QLabel(this), "pedigreeFindings",
                       tr("Was die Eltern und Jungen im Bestand belegen oder wahrscheinlich machen"));
    m_findings->setWordWrap(true);
    m_findings->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_colour);
    layout->addWidget(m_findings);
    layout->addStretch(1);
}

void GeneticsPanel::show(PedigreeReading& reading, qsizetype animal, const FactorStates& stored, bool male)
{
    m_male = male;
    m_editor->setFactors(stored, male);
    const FactorTable& table = reading.table();
    QStringList shown;
    for (int f : reading.shownByColour(animal))
        shown << table.factor(f).shownName();
    const QString colour = reading.animals()[size_t(animal)].colour;
    m_colour->setText(shown.isEmpty() ? QString()
                                      : tr("Laut Farbe „%1“ sichtbar: %2 (gilt, wo nichts eingetragen ist).")
                                            .arg(colour, shown.join(QStringLiteral(", "))));
    QStringList lines;
    for (const FactorFinding& finding : reading.findings(animal))
        lines << finding.text(table);
    m_findings->setText(lines.isEmpty() ? tr("Aus dem Stammbaum: keine verdeckten Anlagen belegt.")
                                        : tr("Aus dem Stammbaum:\n%1").arg(lines.join(QLatin1Char('\n'))));
}

void GeneticsPanel::clear()
{
    m_editor->setFactors({}, m_male);
    m_colour->clear();
    m_findings->clear();
}

void GeneticsPanel::setMale(bool male)
{
    m_male = male;
    m_editor->setMale(male);
}

FactorStates GeneticsPanel::input() const
{
    return m_editor->factors();
}

QString GeneticsPanel::problem() const
{
    const FactorTable& table = FactorTable::canary();
    AnimalFactors entered = AnimalFactors::none(table, m_male);
    for (const auto& [key, state] : m_editor->factors())
        if (const int f = table.find(key); f >= 0)
            entered.states[size_t(f)] = state;
    QString problem;
    genesOf(table, entered, problem);
    return problem;
}
