#include "ui/mainwindow/PedigreeGroup.h"

#include "ui/common/Choices.h"
#include "ui/mainwindow/CertificateCommands.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

PedigreeGroup::PedigreeGroup(CertificateCommands& commands, QWidget* parent)
    : QGroupBox(tr("Abstammungsnachweis:"), parent), m_commands(commands)
{
    auto* grid = new QGridLayout(this);
    m_selector = makeListCombo(this, QStringLiteral("animalSelector"));
    auto* selectorLabel = new QLabel(tr("Für Kanarienvogel mit Ring-Nr.:"), this);
    selectorLabel->setBuddy(m_selector);
    grid->addWidget(selectorLabel, 0, 0, 1, 2, Qt::AlignRight);
    grid->addWidget(m_selector, 0, 2, 1, 2);

    m_buyerText = new QPlainTextEdit(this);
    m_buyerText->setObjectName(QStringLiteral("buyerText"));
    m_buyerText->setFixedHeight(59);
    m_buyerText->setTabChangesFocus(true);
    m_buyerLabel = new QLabel(this);
    m_buyerLabel->setObjectName(QStringLiteral("buyerLabel"));
    m_buyerLabel->setBuddy(m_buyerText);
    grid->addWidget(m_buyerLabel, 1, 0, 1, 2, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(m_buyerText, 1, 2, 1, 2);
    m_commands.setBuyerTextSource([this] {
        const QString text = m_buyerText->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    });

    const struct
    {
        QString text;
        const char* name;
        int row, column, span;
        std::function<void()> command;
    } buttons[] = {
        {tr("Einstellungen"), "printSettingsButton", 2, 0, 1,
         [this] {
             emit settingsRequested();
         }},
        {tr("Anzeigen"), "previewPedigreeButton", 2, 2, 1,
         [this] {
             m_commands.preview(selectedRing());
         }},
        {tr("Drucken"), "printPedigreeButton", 2, 3, 1,
         [this] {
             m_commands.print(selectedRing());
         }},
        {tr("Nur Stammblatt drucken"), "recordSheetButton", 3, 2, 2,
         [this] {
             m_commands.previewRecordSheet(selectedRing());
         }},
        {tr("Stammbaum als Datei speichern…"), "savePedigreeFileButton", 4, 2, 2,
         [this] {
             m_commands.savePedigreeFile(selectedRing());
         }},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.text, this);
        button->setObjectName(QString::fromLatin1(b.name));
        connect(button, &QPushButton::clicked, this, b.command);
        grid->addWidget(button, b.row, b.column, 1, b.span);
    }
    grid->setColumnStretch(1, 1);
    connect(m_selector, &QComboBox::currentIndexChanged, this, &PedigreeGroup::offerBuyer);
}

void PedigreeGroup::offerBuyer()
{
    const std::optional<QString> ring = selectedRing();
    if (!ring || !m_buyerOf || m_topRight != TopRightContent::BuyerText)
        return;
    const QString current = m_buyerText->toPlainText();
    if (!current.isEmpty() && current != m_offered)
        return; // what the breeder typed stays
    m_offered = m_buyerOf(*ring).join(QLatin1Char('\n'));
    m_buyerText->setPlainText(m_offered);
}

void PedigreeGroup::setRings(const QStringList& rings)
{
    setChoices(m_selector, rings);
}

void PedigreeGroup::clearSelection()
{
    clearChoice(m_selector);
}

std::optional<QString> PedigreeGroup::selectedRing() const
{
    if (m_selector->currentIndex() < 0)
        return std::nullopt;
    return m_selector->currentText();
}

void PedigreeGroup::showPedigreeOf(const QString& ring)
{
    selectEntry(m_selector, ring);
    m_commands.preview(selectedRing());
}

void PedigreeGroup::setTopRightContent(TopRightContent content)
{
    m_topRight = content;
    m_buyerLabel->setText(content == TopRightContent::FreeText ? tr("Freier Text:") : tr("Käuferdaten:"));
}
