#include "ui/mainwindow/MainWindow.h"

#include "core/model/AppInfo.h"
#include "core/stock/SelectorLists.h"
#include "ui/common/Choices.h"
#include "ui/common/Messages.h"
#include "ui/common/Prompts.h"
#include "ui/mainwindow/BackupGroup.h"
#include "ui/mainwindow/CertificateCommands.h"
#include "ui/mainwindow/CommandButton.h"
#include "ui/mainwindow/MoreWindowsButton.h"
#include "ui/mainwindow/PairGroup.h"
#include "ui/mainwindow/PedigreeGroup.h"
#include "ui/mainwindow/StockListPanel.h"
#include "ui/mainwindow/TaskDialogs.h"
#include "ui/mainwindow/UndoButtons.h"

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
    setWindowTitle(tr("Avelor Abstammungsnachweis für Kanarienvögel"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    m_certificates = new CertificateCommands(m_stock, m_preferences, this);
    m_dialogs = new TaskDialogs(m_stock, m_preferences, this);
    connect(m_dialogs, &TaskDialogs::selectionsCleared, this, &MainWindow::clearSelections);
    connect(m_dialogs, &TaskDialogs::pedigreeRequested, this, &MainWindow::showPedigreeOf);
    m_pedigree = new PedigreeGroup(*m_certificates, this);
    m_pedigree->setBuyerLookup([this](const QString& ring) {
        const std::optional<Whereabouts> w = m_stock.records().whereabouts(ring);
        if (!w || !w->hasBuyer() || w->buyerName.isEmpty())
            return QStringList();
        return QStringList {w->buyerName} + w->buyerAddress.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    });
    connect(m_pedigree, &PedigreeGroup::settingsRequested, m_dialogs, &TaskDialogs::openPrintSettings);

    auto* mainPage = new QWidget(this);
    auto* grid = new QGridLayout(mainPage);
    grid->setContentsMargins(10, 10, 10, 10);
    grid->addWidget(buildCommandColumn(), 0, 0, 3, 1);
    grid->addWidget(new BackupGroup(m_stock, this), 0, 1);
    grid->addWidget(m_pedigree, 1, 1);
    m_pairGroup = new PairGroup(m_stock, m_preferences, this);
    grid->addWidget(m_pairGroup, 2, 1, Qt::AlignTop);
    grid->setRowStretch(2, 1);
    auto* closeButton = new QPushButton(tr("Alles speichern und Programm beenden"), mainPage);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setMinimumHeight(35);
    grid->addWidget(closeButton, 3, 0, 1, 2);
    auto* footer = new QLabel(AppInfo::version() + QStringLiteral("  ") + AppInfo::makerNotice(), mainPage);
    footer->setAlignment(Qt::AlignCenter);
    grid->addWidget(footer, 4, 0, 1, 2);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    m_stockListPanel = new StockListPanel(m_stock, m_preferences, this);
    connect(m_stockListPanel, &StockListPanel::closed, this, [this] { m_pages->setCurrentIndex(0); });
    connect(m_stockListPanel, &StockListPanel::filterCleared, this, &MainWindow::refresh);
    m_pages = new QStackedLayout(this);
    m_pages->addWidget(mainPage);
    m_pages->addWidget(m_stockListPanel);

    auto* openFolder = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F12), this);
    connect(openFolder, &QShortcut::activated, this,
            [this] { Prompts::current().openFolder(m_stock.files().folder()); });
    auto* check = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F11), this);
    connect(check, &QShortcut::activated, m_dialogs, &TaskDialogs::openDataCheck);
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
    TaskDialogs* d = m_dialogs;
    const struct
    {
        QString text;
        const char* name;
        std::function<void()> command;
    } commands[] = {
        {tr("Züchterdaten"), "breederDataButton",
         [d] {
             d->openBreederData();
         }},
        {tr("Kanarienvögel anlegen"), "enterAnimalsButton",
         [d] {
             d->openEnterAnimals();
         }},
        {tr("Kanarienvögel löschen"), "deleteAnimalButton",
         [d] {
             d->openDeleteAnimal();
         }},
        {tr("Kanarienvögel ändern"), "changeAnimalButton",
         [d] {
             d->openChangeAnimal();
         }},
        {tr("Kanarienvögel suchen"), "searchButton",
         [d] {
             d->openSearch();
         }},
        {tr("Elternbeziehungen"), "parentLinksButton",
         [d] {
             d->openParentLinks();
         }},
        {tr("Kanarienvögelbestandsliste anzeigen"), "showStockListButton",
         [this] {
             showStockList(StockListDestination::Preview);
         }},
        {tr("Kanarienvögelbestandsliste drucken"), "printStockListButton",
         [this] {
             showStockList(StockListDestination::Printer);
         }},
        {tr("Kinder, Enkel && Urenkel"), "descendantsButton",
         [d] {
             d->openDescendants();
         }},
    };
    for (const auto& command : commands) {
        QPushButton* button = commandButton(command.text, command.name, column);
        connect(button, &QPushButton::clicked, this, command.command);
        layout->addWidget(button);
    }
    m_breedingButton = commandButton(tr("Nachwuchsverwaltung"), "breedingButton", column);
    connect(m_breedingButton, &QPushButton::clicked, m_dialogs, &TaskDialogs::openBreeding);
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
    connect(more, &MoreWindowsButton::pedigreeRequested, this, &MainWindow::showPedigreeOf);
    connect(more, &MoreWindowsButton::pairRequested, m_dialogs, &TaskDialogs::openPair);
    connect(more, &MoreWindowsButton::newPairRequested, m_dialogs, &TaskDialogs::openNewPair);
    connect(m_dialogs, &TaskDialogs::coloursRequested, more, &MoreWindowsButton::showColoursOf);
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
    refreshAnimalLists();
    applyPrintSettings();
    m_pairGroup->setPairs(pairCaptions(m_stock.pairs()));
}

void MainWindow::refreshAnimalLists()
{
    // The ring list stays, with its selection, while a change leaves it as it was.
    const QStringList& candidates = m_stock.certificateCandidates();
    if (m_candidatesShown != m_stock.certificateCandidatesVersion()) {
        m_pedigree->setRings(candidates);
        m_candidatesShown = m_stock.certificateCandidatesVersion();
    }
    m_stockListPanel->setBreeds(offeredFrom(m_stock, &Animal::breed));
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
    if (what & StockDocument::Animals)
        refreshAnimalLists();
    if (what & StockDocument::Pairs)
        m_pairGroup->setPairs(pairCaptions(m_stock.pairs()));
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

void MainWindow::showStockList(StockListDestination destination)
{
    m_stockListPanel->setDestination(destination);
    m_pages->setCurrentIndex(1);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    const DataFiles::SaveResult saved = m_stock.save();
    if (!saved.ok) {
        Messages::current().warn(this, saved.message);
        return;
    }
    if (Messages::current().askYesNo(this, tr("Frage"), tr("Wollen sie das Programm beenden?"))) {
        event->accept();
        emit exitConfirmed();
    }
}
