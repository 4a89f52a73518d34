#include "ui/mainwindow/PairGroup.h"

#include "ui/common/Choices.h"

#include <QComboBox>
#include <QPushButton>
#include <QVBoxLayout>

PairGroup::PairGroup(QWidget* parent) : QGroupBox(QStringLiteral("Zuchtpaar zum Drucken auswählen: "), parent)
{
    setObjectName(QStringLiteral("pairGroup"));
    auto* layout = new QVBoxLayout(this);
    m_selector = makeListCombo(this, QStringLiteral("pairSelector"));
    m_selector->setAccessibleName(QStringLiteral("Zuchtpaar"));
    auto* print = new QPushButton(QStringLiteral("Zuchtpaar drucken"), this);
    print->setObjectName(QStringLiteral("printPairButton"));
    connect(print, &QPushButton::clicked, this, &PairGroup::printRequested);
    layout->addWidget(m_selector);
    layout->addWidget(print);
}

void PairGroup::setPairs(const QStringList& captions)
{
    setChoices(m_selector, captions);
}

std::optional<int> PairGroup::selectedPair() const
{
    if (m_selector->currentIndex() < 0)
        return std::nullopt;
    return m_selector->currentIndex();
}
