#include "ui/mainwindow/MainWindow.h"

#include "core/model/AppInfo.h"
#include "core/model/SpeciesWords.h"
#include "core/stock/SelectorLists.h"
#include "ui/breeding/BreedingDialog.h"
#include "ui/common/Choices.h"
#include "ui/common/Messages.h"
#include "ui/common/Modal.h"
#include "ui/common/Prompts.h"
#include "ui/mainwindow/BackupGroup.h"
#include "ui/mainwindow/CertificateCommands.h"
#include "ui/mainwindow/CommandButton.h"
#include "ui/mainwindow/MoreWindowsButton.h"
#include "ui/mainwindow/PairGroup.h"
#include "ui/mainwindow/PedigreeGroup.h"
#include "ui/mainwindow/StockListPanel.h"
#include "ui/mainwindow/UndoButtons.h"
#include "ui/settings/PrintSettingsDialog.h"
#include "ui/stock/BreederDataDialog.h"
#include "ui/stock/ChangeAnimalDialog.h"
#include "ui/stock/DataCheckDialog.h"
#include "ui/stock/DeleteAnimalDialog.h"
#include "ui/stock/DescendantsDialog.h"
#include "ui/stock/EnterAnimalsDialog.h"
#include "ui/stock/ParentLinksDialog.h"
#include "ui/stock/SearchDialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStackedLayout>
#include <QVBoxLayout>

MainWindow::MainWindow(StockDocument& stock, PreferencesStore& preferences, QWidget* parent)
    : QWidget(parent), m_stock(stock), m_preferences(preferences)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(SpeciesWords::Title);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    m_certificates = new CertificateCommands(m_stock, m_preferences, this);
    m_pedigree = new PedigreeGroup(*m_certificates, this);
    m_pedigree->setBuyerLookup([this](const QString& ring) {
        const std::optional<Whereabouts> w = m_stock.records().whereabouts(ring);
        if (!w || !w->hasBuyer() || w->buyerName.isEmpty())
            return QStringList();
        return QStringList {w->buyerName} + w->buyerAddress.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    });
    connect(m_pedigree, &PedigreeGroup::settingsRequested, this, &MainWindow::openPrintSettings);

    auto* mainPage = new QWidget(this);
    auto* grid = new QGridLayout(mainPage);
    grid->setContentsMargins(10, 10, 10, 10);
    grid->addWidget(buildCommandColumn(), 0, 0, 3, 1);
    grid->addWidget(new BackupGroup(m_stock, this), 0, 1);
    grid->addWidget(m_pedigree, 1, 1);
    m_pairGroup = new PairGroup(m_stock, this);
    grid->addWidget(m_pairGroup, 2, 1, Qt::AlignTop);
    grid->setRowStretch(2, 1);
    auto* closeButton = new QPushButton(QStringLiteral("Alles speichern und Programm beenden"), mainPage);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setMinimumHeight(35);
    grid->addWidget(closeButton, 3, 0, 1, 2);
    auto* footer = new QLabel(AppInfo::Version + QStringLiteral("  ") + AppInfo::MakerNotice, mainPage);
    footer->setAlignment(Qt::AlignCenter);
    grid->addWidget(footer, 4, 0, 1, 2);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    m_stockListPanel = new StockListPanel(m_stock, this);
    connect(m_stockListPanel, &StockListPanel::closed, this, [this] { m_pages->setCurrentIndex(0); });
    connect(m_stockListPanel, &StockListPanel::filterCleared, this, &MainWindow::refresh);
    m_pages = new QStackedLayout(this);
    m_pages->addWidget(mainPage);
    m_pages->addWidget(m_stockListPanel);

    auto* openFolder = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F12), this);
    connect(openFolder, &QShortcut::activated, this,
            [this] { Prompts::current().openFolder(m_stock.files().folder()); });
    auto* check = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F11), this);
    connect(check, &QShortcut::activated, this, [this] { showModal(&lazily(m_checkDialog, m_stock, this)); });
    connect(&m_stock, &StockDocument::changed, this, &MainWindow::followStock);

    applyPrintSettings();
    setFixedSize(sizeHint().expandedTo(QSize(633, 463)));
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildCommandColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    const QString& plural = SpeciesWords::Plural;
    const struct
    {
        QString text;
        const char* name;
        void (MainWindow::*command)();
    } commands[] = {
        {QStringLiteral("Züchterdaten"), "breederDataButton", &MainWindow::openBreederData},
        {plural + QStringLiteral(" anlegen"), "enterAnimalsButton", &MainWindow::openEnterAnimals},
        {plural + QStringLiteral(" löschen"), "deleteAnimalButton", &MainWindow::openDeleteAnimal},
        {plural + QStringLiteral(" ändern"), "changeAnimalButton", &MainWindow::openChangeAnimal},
        {plural + QStringLiteral(" suchen"), "searchButton", &MainWindow::openSearch},
        {QStringLiteral("Elternbeziehungen"), "parentLinksButton", &MainWindow::openParentLinks},
        {SpeciesWords::StockList + QStringLiteral(" anzeigen"), "showStockListButton",
         &MainWindow::showStockListPreview},
        {SpeciesWords::StockList + QStringLiteral(" drucken"), "printStockListButton", &MainWindow::showStockListPrint},
        {QStringLiteral("Kinder, Enkel && Urenkel"), "descendantsButton", &MainWindow::openDescendants},
    };
    for (const auto& command : commands) {
        QPushButton* button = commandButton(command.text, command.name, column);
        connect(button, &QPushButton::clicked, this, command.command);
        layout->addWidget(button);
    }
    m_breedingButton = commandButton(QStringLiteral("Nachwuchsverwaltung"), "breedingButton", column);
    connect(m_breedingButton, &QPushButton::clicked, this, &MainWindow::openBreeding);
    layout->addWidget(m_breedingButton);
    layout->addWidget(buildMoreButton(column));
    layout->addWidget(new UndoButtons(m_stock, this));
    layout->addStretch();
    column->setMinimumWidth(218);
    return column;
}

QPushButton* MainWindow::buildMoreButton(QWidget* parent)
{
    auto* more = new MoreWindowsButton(m_stock, m_preferences, this);
    more->setParent(parent);
    m_more = more;
    connect(more, &MoreWindowsButton::pedigreeRequested, this, &MainWindow::showPedigreeOf);
    connect(more, &MoreWindowsButton::pairRequested, this, [this](int pair) {
        openBreeding();
        m_breedingDialog->showPair(pair);
    });
    connect(more, &MoreWindowsButton::newPairRequested, this, [this](const QString& cock, const QString& hen) {
        openBreeding();
        m_breedingDialog->prepareNewPair(cock, hen);
    });
    return more;
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        refresh();
}

void MainWindow::refresh()
{
    m_pedigree->setRings(pedigreeCandidates(m_stock.animals()));
    applyPrintSettings();
    m_pairGroup->setPairs(pairCaptions(m_stock.pairs()));
    m_stockListPanel->setBreeds(m_stock.offerValues(&Animal::breed));
}

void MainWindow::clearSelections()
{
    m_pedigree->clearSelection();
    m_pairGroup->clearSelection();
}

void MainWindow::applyPrintSettings()
{
    const PrintSettings& settings = m_stock.printSettings();
    m_breedingButton->setVisible(settings.showBreeding != 0);
    m_pairGroup->setVisible(settings.showBreeding != 0);
    m_pedigree->setTopRightContent(settings.topRightContent);
}

void MainWindow::followStock(StockDocument::Changes what)
{
    if (what & StockDocument::Print)
        applyPrintSettings();
    // The lists show rings, breeds and pairs: a new order or new parents change none of them.
    if (what & (StockDocument::Animals | StockDocument::Pairs))
        refresh();
}

std::optional<QString> MainWindow::selectedAnimalRing() const
{
    return m_pedigree->selectedRing();
}

std::optional<int> MainWindow::selectedPair() const
{
    return m_pairGroup->selectedPair();
}

void MainWindow::showPedigreeOf(const QString& ring)
{
    m_pedigree->showPedigreeOf(ring);
}

void MainWindow::showStockListPreview()
{
    m_stockListPanel->setDestination(StockListDestination::Preview);
    m_pages->setCurrentIndex(1);
}

void MainWindow::showStockListPrint()
{
    m_stockListPanel->setDestination(StockListDestination::Printer);
    m_pages->setCurrentIndex(1);
}

void MainWindow::openBreederData()
{
    lazily(m_breederDialog, m_stock, this).showStoredData();
}

void MainWindow::openEnterAnimals()
{
    showModal(&lazily(m_enterDialog, m_stock, this));
}

void MainWindow::openDeleteAnimal()
{
    if (!m_deleteDialog) {
        connect(&lazily(m_deleteDialog, m_stock, this), &DeleteAnimalDialog::clearSelectionRequested, this,
                &MainWindow::clearSelections);
    }
    showModal(m_deleteDialog.get());
}

void MainWindow::openBreeding()
{
    if (!m_breedingDialog) {
        auto& dialog = lazily(m_breedingDialog, m_stock, this);
        connect(&dialog, &BreedingDialog::clearSelectionRequested, this, &MainWindow::clearSelections);
        connect(&dialog, &BreedingDialog::coloursRequested, this,
                [this](const QString& cock, const QString& hen) { m_more->showColoursOf(cock, hen); });
    }
    showModal(m_breedingDialog.get());
}

void MainWindow::openParentLinks()
{
    showModal(&lazily(m_parentDialog, m_stock, this));
}

void MainWindow::openPrintSettings()
{
    if (!m_printSettingsDialog) {
        auto& dialog = lazily(m_printSettingsDialog, m_stock, m_preferences, this);
        connect(&dialog, &PrintSettingsDialog::clearSelectionRequested, this, &MainWindow::clearSelections);
    }
    showModal(m_printSettingsDialog.get());
}

ChangeAnimalDialog& MainWindow::changeDialog()
{
    if (!m_changeDialog) {
        auto& dialog = lazily(m_changeDialog, m_stock, this);
        connect(&dialog, &ChangeAnimalDialog::clearSelectionRequested, this, &MainWindow::clearSelections);
        connect(&dialog, &ChangeAnimalDialog::pedigreeRequested, this, &MainWindow::showPedigreeOf);
        connect(&dialog, &ChangeAnimalDialog::descendantsRequested, this,
                [this](const QString& ring) { descendantsDialog().openFor(ring); });
    }
    return *m_changeDialog;
}

DescendantsDialog& MainWindow::descendantsDialog()
{
    if (!m_descendantsDialog) {
        auto& dialog = lazily(m_descendantsDialog, m_stock, this);
        connect(&dialog, &DescendantsDialog::pedigreeRequested, this, &MainWindow::showPedigreeOf);
    }
    return *m_descendantsDialog;
}

void MainWindow::openChangeAnimal()
{
    changeDialog().openNormal();
}

void MainWindow::openSearch()
{
    if (!m_searchDialog) {
        auto& dialog = lazily(m_searchDialog, m_stock, this);
        connect(&dialog, &SearchDialog::pedigreeRequested, this, &MainWindow::showPedigreeOf);
        connect(&dialog, &SearchDialog::showAllFound, this,
                [this](const QStringList& rings, const std::optional<QString>& selected) {
                    changeDialog().openSearchResults(rings, selected);
                });
    }
    showModal(m_searchDialog.get());
}

void MainWindow::openDescendants()
{
    showModal(&descendantsDialog());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    const DataFiles::SaveResult saved = m_stock.save();
    if (!saved.ok) {
        Messages::current().warn(this, saved.message);
        return;
    }
    if (Messages::current().askYesNo(this, QStringLiteral("Frage"),
                                     QStringLiteral("Wollen sie das Programm beenden?"))) {
        event->accept();
        emit exitConfirmed();
    }
}
