#include "ui/mainwindow/MainWindow.h"

#include "core/files/DataFolder.h"
#include "core/model/SpeciesWords.h"
#include "core/stock/AnimalQueries.h"
#include "core/stock/StockLists.h"
#include "core/stock/StockSort.h"
#include "ui/common/Choices.h"
#include "ui/common/Messages.h"
#include "ui/common/Modal.h"
#include "ui/common/Prompts.h"
#include "ui/mainwindow/CertificateCommands.h"
#include "ui/mainwindow/LinkLabel.h"
#include "ui/mainwindow/StockListPanel.h"
#include "ui/settings/PrintSettingsDialog.h"
#include "ui/stock/BreederDataDialog.h"
#include "ui/stock/ChangeAnimalDialog.h"
#include "ui/stock/DeleteAnimalDialog.h"
#include "ui/stock/DescendantsDialog.h"
#include "ui/stock/EnterAnimalsDialog.h"
#include "ui/stock/ParentLinksDialog.h"
#include "ui/stock/SearchDialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

QPushButton* commandButton(const QString& text, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setMinimumHeight(32);
    return button;
}

} // namespace

MainWindow::MainWindow(Database db, DataFiles files, QWidget* parent)
    : QWidget(parent), m_db(std::move(db)), m_files(std::move(files))
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(SpeciesWords::Title);
    m_certificates = new CertificateCommands(m_db, m_certificateOptions, this);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);

    auto* mainPage = new QWidget(this);
    auto* grid = new QGridLayout(mainPage);
    grid->setContentsMargins(10, 10, 10, 10);
    grid->addWidget(buildCommandColumn(), 0, 0, 3, 1);
    grid->addWidget(buildBackupGroup(), 0, 1);
    grid->addWidget(buildPedigreeGroup(), 1, 1);
    grid->addWidget(buildPairGroup(), 2, 1, Qt::AlignTop);
    grid->setRowStretch(2, 1);

    auto* closeButton = new QPushButton(QStringLiteral("Alles speichern und Programm beenden"), mainPage);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setMinimumHeight(35);
    grid->addWidget(closeButton, 3, 0, 1, 2);
    auto* footer = new QLabel(AppInfo::Version + QStringLiteral("  ") + AppInfo::MakerNotice, mainPage);
    footer->setAlignment(Qt::AlignCenter);
    grid->addWidget(footer, 4, 0, 1, 2);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    m_stockListPanel = new StockListPanel(this);
    connect(m_stockListPanel, &StockListPanel::cancelled, this, [this] { m_pages->setCurrentIndex(0); });
    connect(m_stockListPanel, &StockListPanel::filterCleared, this, &MainWindow::refresh);
    connect(m_stockListPanel, &StockListPanel::sortByRing, this, &MainWindow::notYetAvailable);
    connect(m_stockListPanel, &StockListPanel::sortByYear, this, &MainWindow::notYetAvailable);

    m_pages = new QStackedLayout(this);
    m_pages->addWidget(mainPage);
    m_pages->addWidget(m_stockListPanel);
    m_pages->setCurrentIndex(0);

    auto* openFolder = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F12), this);
    connect(openFolder, &QShortcut::activated, this, [] { Prompts::current().openFolder(DataFolder::path()); });

    updateBuyerLabel();
    setFixedSize(sizeHint().expandedTo(QSize(633, 463)));
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildCommandColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    const QString& plural = SpeciesWords::Plural;
    struct Command
    {
        QString text;
        const char* name;
        void (MainWindow::*slot)();
    };
    const Command commands[] = {
        {QStringLiteral("Züchterdaten"), "breederDataButton", &MainWindow::openBreederData},
        {plural + QStringLiteral(" anlegen"), "enterAnimalsButton", &MainWindow::openEnterAnimals},
        {plural + QStringLiteral(" löschen"), "deleteAnimalButton", &MainWindow::openDeleteAnimal},
        {plural + QStringLiteral(" ändern"), "changeAnimalButton", &MainWindow::openChangeAnimal},
        {plural + QStringLiteral(" suchen"), "searchButton", &MainWindow::openSearch},
        {QStringLiteral("Elternbeziehungen"), "parentLinksButton", &MainWindow::openParentLinks},
    };
    for (const Command& command : commands) {
        auto* button = commandButton(command.text, QString::fromLatin1(command.name), column);
        connect(button, &QPushButton::clicked, this, command.slot);
        layout->addWidget(button);
    }
    auto* showList = commandButton(plural + QStringLiteral("bestandsliste anzeigen"), "showStockListButton", column);
    auto* printList = commandButton(plural + QStringLiteral("bestandsliste drucken"), "printStockListButton", column);
    connect(showList, &QPushButton::clicked, this, [this] { showStockListPanel(0); });
    connect(printList, &QPushButton::clicked, this, [this] { showStockListPanel(1); });
    layout->addWidget(showList);
    layout->addWidget(printList);
    auto* descendants = commandButton(QStringLiteral("Kinder, Enkel && Urenkel"), "descendantsButton", column);
    connect(descendants, &QPushButton::clicked, this, &MainWindow::openDescendants);
    layout->addWidget(descendants);
    m_breedingButton = commandButton(QStringLiteral("Nachwuchsverwaltung"), "breedingButton", column);
    connect(m_breedingButton, &QPushButton::clicked, this, &MainWindow::notYetAvailable);
    layout->addWidget(m_breedingButton);
    layout->addStretch();
    column->setMinimumWidth(218);
    return column;
}

QWidget* MainWindow::buildBackupGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Backup-Funktion: "), this);
    auto* grid = new QGridLayout(group);
    const char* names[] = {"usbBackupButton", "usbRestoreButton", "diskBackupButton", "diskRestoreButton"};
    const QString texts[] = {QStringLiteral("Backup auf USB-Stick"), QStringLiteral("Backup von USB-Stick holen"),
                             QStringLiteral("Schnelles Backup"), QStringLiteral("Schnelles Backup holen")};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(texts[i], group);
        button->setObjectName(QString::fromLatin1(names[i]));
        connect(button, &QPushButton::clicked, this, &MainWindow::notYetAvailable);
        grid->addWidget(button, i / 2, i % 2);
    }
    auto* wipe = new LinkLabel(QStringLiteral("Komplette Datenbank löschen und neu anfangen"), group);
    wipe->setObjectName(QStringLiteral("wipeDatabaseLink"));
    connect(wipe, &LinkLabel::clicked, this, &MainWindow::notYetAvailable);
    grid->addWidget(wipe, 2, 0, 1, 2, Qt::AlignHCenter);
    return group;
}

QWidget* MainWindow::buildPedigreeGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Abstammungsnachweis:"), this);
    auto* grid = new QGridLayout(group);
    m_animalSelector = makeListCombo(group, QStringLiteral("animalSelector"));
    auto* selectorLabel
        = new QLabel(QStringLiteral("Für ") + SpeciesWords::Singular + QStringLiteral(" mit Ring-Nr.:"), group);
    selectorLabel->setBuddy(m_animalSelector);
    grid->addWidget(selectorLabel, 0, 0, 1, 2, Qt::AlignRight);
    grid->addWidget(m_animalSelector, 0, 2, 1, 2);

    m_buyerText = new QPlainTextEdit(group);
    m_buyerText->setObjectName(QStringLiteral("buyerText"));
    m_buyerText->setFixedHeight(59);
    m_buyerText->setTabChangesFocus(true);
    m_buyerLabel = new QLabel(group);
    m_buyerLabel->setObjectName(QStringLiteral("buyerLabel"));
    m_buyerLabel->setBuddy(m_buyerText);
    grid->addWidget(m_buyerLabel, 1, 0, 1, 2, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(m_buyerText, 1, 2, 1, 2);

    m_certificates->setBuyerTextSource([this] {
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
        {QStringLiteral("Einstellungen"), "printSettingsButton", 2, 0, 1,
         [this] {
             openPrintSettings();
         }},
        {QStringLiteral("Anzeigen"), "previewPedigreeButton", 2, 2, 1,
         [this] {
             m_certificates->preview(selectedAnimalRing());
         }},
        {QStringLiteral("Drucken"), "printPedigreeButton", 2, 3, 1,
         [this] {
             m_certificates->print(selectedAnimalRing());
         }},
        {QStringLiteral("Nur Stammblatt drucken"), "recordSheetButton", 3, 2, 2,
         [this] {
             m_certificates->previewRecordSheet(selectedAnimalRing());
         }},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.text, group);
        button->setObjectName(QString::fromLatin1(b.name));
        connect(button, &QPushButton::clicked, this, b.command);
        grid->addWidget(button, b.row, b.column, 1, b.span);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* MainWindow::buildPairGroup()
{
    m_pairGroup = new QGroupBox(QStringLiteral("Zuchtpaar zum Drucken auswählen: "), this);
    m_pairGroup->setObjectName(QStringLiteral("pairGroup"));
    auto* layout = new QVBoxLayout(m_pairGroup);
    m_pairSelector = makeListCombo(m_pairGroup, QStringLiteral("pairSelector"));
    m_pairSelector->setAccessibleName(QStringLiteral("Zuchtpaar"));
    auto* print = new QPushButton(QStringLiteral("Zuchtpaar drucken"), m_pairGroup);
    print->setObjectName(QStringLiteral("printPairButton"));
    connect(print, &QPushButton::clicked, this, &MainWindow::notYetAvailable);
    layout->addWidget(m_pairSelector);
    layout->addWidget(print);
    return m_pairGroup;
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        refresh();
}

void MainWindow::refresh()
{
    m_certificates->stockChanged();
    setChoices(m_animalSelector, pedigreeCandidates(m_db.animals));
    const bool breeding = m_db.print.showBreeding != 0;
    m_breedingButton->setVisible(breeding);
    m_pairGroup->setVisible(breeding);
    setChoices(m_pairSelector, pairCaptions(m_db.pairs));
    m_stockListPanel->setBreeds(distinctValues(m_db.animals, &Animal::breed));
}

void MainWindow::sortStock()
{
    ::sortStock(m_db.animals);
    m_certificates->stockChanged();
}

std::optional<QString> MainWindow::selectedAnimalRing() const
{
    if (m_animalSelector->currentIndex() < 0)
        return std::nullopt;
    return m_animalSelector->currentText();
}

std::optional<int> MainWindow::selectedPair() const
{
    if (m_pairSelector->currentIndex() < 0)
        return std::nullopt;
    return m_pairSelector->currentIndex();
}

void MainWindow::showPedigreeOf(const QString& ring)
{
    selectEntry(m_animalSelector, ring);
    m_certificates->preview(selectedAnimalRing());
}

void MainWindow::updateBuyerLabel()
{
    m_buyerLabel->setText(m_db.print.topRightContent == TopRightContent::FreeText ? QStringLiteral("Freier Text:")
                                                                                  : QStringLiteral("Käuferdaten:"));
}

void MainWindow::showStockListPanel(int mode)
{
    m_stockListMode = mode;
    m_pages->setCurrentIndex(1);
}

void MainWindow::notYetAvailable()
{
    Messages::current().inform(this, QStringLiteral("Diese Funktion folgt in einer der nächsten Versionen."));
}

void MainWindow::openBreederData()
{
    if (!m_breederDialog)
        m_breederDialog = std::make_unique<BreederDataDialog>(m_db.breeder, this);
    m_breederDialog->showStoredData();
}

void MainWindow::openEnterAnimals()
{
    if (!m_enterDialog) {
        m_enterDialog = std::make_unique<EnterAnimalsDialog>(m_db.animals, this);
        connect(m_enterDialog.get(), &EnterAnimalsDialog::stockChanged, this, &MainWindow::refresh);
    }
    showModal(m_enterDialog.get());
}

void MainWindow::openDeleteAnimal()
{
    if (!m_deleteDialog) {
        m_deleteDialog = std::make_unique<DeleteAnimalDialog>(m_db.animals, this);
        connect(m_deleteDialog.get(), &QDialog::finished, this, &MainWindow::refresh);
    }
    showModal(m_deleteDialog.get());
}

void MainWindow::openParentLinks()
{
    if (!m_parentDialog)
        m_parentDialog = std::make_unique<ParentLinksDialog>(m_db.animals, this);
    showModal(m_parentDialog.get());
}

void MainWindow::openPrintSettings()
{
    if (!m_printSettingsDialog) {
        m_printSettingsDialog = std::make_unique<PrintSettingsDialog>(m_db.print, m_certificateOptions, this);
        connect(m_printSettingsDialog.get(), &PrintSettingsDialog::topRightContentChanged, this,
                &MainWindow::updateBuyerLabel);
        connect(m_printSettingsDialog.get(), &QDialog::finished, this, &MainWindow::refresh);
    }
    showModal(m_printSettingsDialog.get());
}

ChangeAnimalDialog& MainWindow::changeDialog()
{
    if (!m_changeDialog) {
        m_changeDialog = std::make_unique<ChangeAnimalDialog>(m_db, this);
        connect(m_changeDialog.get(), &ChangeAnimalDialog::stockChanged, this, &MainWindow::stockEdited);
        connect(m_changeDialog.get(), &ChangeAnimalDialog::sortRequested, this, [this] {
            sortStock();
            if (m_searchDialog)
                m_searchDialog->stockChanged();
        });
        connect(m_changeDialog.get(), &ChangeAnimalDialog::pedigreeRequested, this, &MainWindow::showPedigreeOf);
        connect(m_changeDialog.get(), &ChangeAnimalDialog::descendantsRequested, this,
                [this](const QString& ring) { descendantsDialog().openFor(ring); });
    }
    return *m_changeDialog;
}

DescendantsDialog& MainWindow::descendantsDialog()
{
    if (!m_descendantsDialog) {
        m_descendantsDialog = std::make_unique<DescendantsDialog>(m_db.animals, this);
        connect(m_descendantsDialog.get(), &DescendantsDialog::pedigreeRequested, this, &MainWindow::showPedigreeOf);
    }
    return *m_descendantsDialog;
}

void MainWindow::stockEdited()
{
    refresh();
    if (m_searchDialog)
        m_searchDialog->stockChanged();
}

void MainWindow::openChangeAnimal()
{
    sortStock();
    changeDialog().openNormal();
}

void MainWindow::openSearch()
{
    if (!m_searchDialog) {
        m_searchDialog = std::make_unique<SearchDialog>(m_db.animals, this);
        connect(m_searchDialog.get(), &SearchDialog::pedigreeRequested, this, &MainWindow::showPedigreeOf);
        connect(m_searchDialog.get(), &SearchDialog::showAllFound, this,
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
    const DataFiles::SaveResult saved = m_files.save(m_db);
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
