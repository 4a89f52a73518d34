#include "ui/stock/DescendantsDialog.h"

#include "core/model/Alphabetical.h"
#include "core/stock/DescendantsFinder.h"
#include "core/stock/SelectorLists.h"
#include "core/stock/StockDocument.h"
#include "ui/common/Choices.h"
#include "ui/common/Messages.h"
#include "ui/common/Modal.h"
#include "ui/common/RingList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

DescendantsDialog::DescendantsDialog(const StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("DescendantsDialog"));
    setWindowTitle(tr("Kinder, Enkel und Urenkel des Kanarienvogels finden"));
    auto* grid = new QGridLayout(this);
    m_selector = makeListCombo(this, QStringLiteral("animalSelector"));
    auto* selectorLabel = new QLabel(tr("Finde Kinder, Enkel und Urenkel des Kanarienvogels mit Ringnr:"), this);
    selectorLabel->setBuddy(m_selector);
    auto* searchButton = new QPushButton(tr("Suchen"), this);
    searchButton->setObjectName(QStringLiteral("searchButton"));
    grid->addWidget(selectorLabel, 0, 0, 1, 2);
    grid->addWidget(m_selector, 1, 0);
    grid->addWidget(searchButton, 1, 1, Qt::AlignLeft);

    m_resultsTitle = new QLabel(tr("Such-Ergebnisse"), this);
    m_resultsTitle->setObjectName(QStringLiteral("resultsTitle"));
    QFont titleFont = m_resultsTitle->font();
    titleFont.setBold(true);
    titleFont.setUnderline(true);
    m_resultsTitle->setFont(titleFont);
    grid->addWidget(m_resultsTitle, 2, 0, 1, 2);
    grid->addWidget(buildResultTabs(), 3, 0);
    grid->addWidget(buildInfoBox(), 3, 1);
    grid->setColumnStretch(0, 1);

    connect(searchButton, &QPushButton::clicked, this, &DescendantsDialog::search);
    connect(m_selector, &QComboBox::activated, this, [this] {
        m_tabs->hide();
        m_resultsTitle->hide();
        clearInfo();
        search();
    });
    m_tabs->hide();
    m_resultsTitle->hide();
    setFixedSize(sizeHint().expandedTo(QSize(600, 480)));
}

QTabWidget* DescendantsDialog::buildResultTabs()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("resultTabs"));
    const std::pair<QString, QString> tabs[] = {
        {tr("Kinder"), tr("Gefundene Kinder:")},
        {tr("Enkel"), tr("Gefundene Enkel:")},
        {tr("Ur-Enkel"), tr("Gefundene Ur-Enkel:")},
        {tr("Ur-Ur-Enkel"), tr("Gefundene Ur-Ur-Enkel:")},
    };
    for (int g = 0; g < 4; ++g) {
        auto* page = new QWidget(m_tabs);
        auto* layout = new QVBoxLayout(page);
        m_lists[g] = new RingList(page);
        m_lists[g]->setObjectName(QStringLiteral("generation%1").arg(g + 1));
        auto* label = new QLabel(tabs[g].second, page);
        label->setBuddy(m_lists[g]);
        layout->addWidget(label);
        layout->addWidget(m_lists[g]);
        layout->addWidget(new QLabel(tr("Ein Doppelklick zeigt den Abstammungsnachweis an."), page));
        m_tabs->addTab(page, tabs[g].first);
        connect(m_lists[g], &RingList::ringSelected, this, &DescendantsDialog::showInfo);
        connect(m_lists[g], &RingList::ringActivated, this, &DescendantsDialog::pedigreeRequested);
    }
    return m_tabs;
}

QWidget* DescendantsDialog::buildInfoBox()
{
    auto* info = new QGroupBox(tr("Infos zur Auswahl:"), this);
    auto* infoLayout = new QVBoxLayout(info);
    m_infoRing = new QLabel(info);
    m_infoRing->setObjectName(QStringLiteral("infoRing"));
    m_infoBreeder = new QLabel(info);
    m_infoBreeder->setObjectName(QStringLiteral("infoBreeder"));
    m_infoColour = new QLabel(info);
    m_infoColour->setObjectName(QStringLiteral("infoColour"));
    m_infoRemarks = new QPlainTextEdit(info);
    m_infoRemarks->setObjectName(QStringLiteral("infoRemarks"));
    m_infoRemarks->setAccessibleName(tr("Bemerkungen"));
    m_infoRemarks->setReadOnly(true);
    m_infoRemarks->setFrameShape(QFrame::NoFrame);
    QPalette display = m_infoRemarks->palette();
    display.setColor(QPalette::Base, display.color(QPalette::Window));
    m_infoRemarks->setPalette(display);
    for (QWidget* w : std::initializer_list<QWidget*> {m_infoRing, m_infoBreeder, m_infoColour, m_infoRemarks})
        infoLayout->addWidget(w);
    return info;
}

void DescendantsDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        prepareOnShow();
    QDialog::showEvent(event);
}

void DescendantsDialog::prepareOnShow()
{
    if (m_prefilled)
        return;
    m_tabs->hide();
    m_resultsTitle->hide();
    clearInfo();
    QStringList rings = activeRings(m_stock.animals());
    sortAlphabetically(rings);
    setChoices(m_selector, rings);
}

void DescendantsDialog::openFor(const QString& ring)
{
    m_prefilled = false;
    prepareOnShow();
    selectEntry(m_selector, ring);
    search();
    m_prefilled = true;
    connect(
        this, &QDialog::finished, this, [this] { m_prefilled = false; }, Qt::SingleShotConnection);
    showModal(this);
}

void DescendantsDialog::search()
{
    if (m_selector->currentIndex() < 0) {
        Messages::current().inform(this, tr("Bitte zuerst den Kanarienvogel in der Liste anklicken."));
        return;
    }
    clearInfo();
    m_tabs->show();
    m_resultsTitle->show();
    // The stock's index lives until the stock changes, so every search of this dialog walks the same one.
    const Descendants found = m_stock.descendants().find(m_selector->currentText());
    for (int g = 0; g < 4; ++g)
        m_lists[g]->setRings(found.generations[size_t(g)]);
}

void DescendantsDialog::clearInfo()
{
    m_infoRing->clear();
    m_infoBreeder->clear();
    m_infoColour->clear();
    m_infoRemarks->clear();
}

void DescendantsDialog::showInfo(const QString& ring)
{
    const Animal* animal = m_stock.lastActive(ring);
    if (!animal)
        return;
    m_infoRing->setText(animal->ringNumber);
    m_infoBreeder->setText(tr("Züchter: %1").arg(animal->breeder));
    m_infoColour->setText(animal->colour);
    m_infoRemarks->setPlainText(animal->remarks);
}
