#include "ui/common/BreedFilter.h"

#include "ui/common/Choices.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

BreedFilter::BreedFilter(QWidget* parent, const QString& label)
    : QWidget(parent), m_combo(makeChoiceCombo(this, QStringLiteral("breedFilter")))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(label, this);
    caption->setBuddy(m_combo);
    auto* clear = new QPushButton(tr("Filter löschen"), this);
    clear->setObjectName(QStringLiteral("clearFilterButton"));
    layout->addWidget(caption);
    layout->addWidget(m_combo, 1);
    layout->addWidget(clear);

    // Typing that names no entry leaves the filter off without wiping the typed text.
    auto follow = [this] {
        const std::optional<QString> now = breed();
        if (now != m_last) {
            m_last = now;
            emit changed(now);
        }
    };
    connect(m_combo, &QComboBox::currentIndexChanged, this, follow);
    connect(m_combo, &QComboBox::editTextChanged, this, follow);
    connect(clear, &QPushButton::clicked, this, [this] {
        {
            const QSignalBlocker blocker(m_combo);
            clearChoice(m_combo);
        }
        m_last.reset();
        emit cleared();
    });
}

void BreedFilter::setBreeds(const QStringList& breeds)
{
    setChoices(m_combo, breeds);
    m_last.reset();
}

std::optional<QString> BreedFilter::breed() const
{
    // Animals without a breed put an empty entry into the list; an empty box still means no filter.
    const QString text = m_combo->currentText();
    if (text.isEmpty() || m_combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        return std::nullopt;
    return text;
}

bool BreedFilter::selectBreed(const std::optional<QString>& breed)
{
    const int index = breed ? m_combo->findText(*breed, Qt::MatchExactly | Qt::MatchCaseSensitive) : -1;
    if (index < 0)
        return false;
    const QSignalBlocker blocker(m_combo);
    m_combo->setCurrentIndex(index);
    m_last = breed;
    return true;
}
