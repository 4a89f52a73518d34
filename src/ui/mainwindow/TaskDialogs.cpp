#include "ui/mainwindow/TaskDialogs.h"

#include "ui/breeding/BreedingDialog.h"
#include "ui/common/Modal.h"
#include "ui/settings/PrintSettingsDialog.h"
#include "ui/stock/BreederDataDialog.h"
#include "ui/stock/ChangeAnimalDialog.h"
#include "ui/stock/DataCheckDialog.h"
#include "ui/stock/DeleteAnimalDialog.h"
#include "ui/stock/DescendantsDialog.h"
#include "ui/stock/EnterAnimalsDialog.h"
#include "ui/stock/ParentLinksDialog.h"
#include "ui/stock/SearchDialog.h"

TaskDialogs::TaskDialogs(StockDocument& stock, PreferencesStore& preferences, QWidget* window)
    : QObject(window), m_stock(stock), m_preferences(preferences), m_window(window)
{ }

TaskDialogs::~TaskDialogs() = default;

void TaskDialogs::openBreederData()
{
    lazily(m_breederDialog, m_stock, m_window).showStoredData();
}

void TaskDialogs::openEnterAnimals()
{
    showModal(&lazily(m_enterDialog, m_stock, m_window));
}

void TaskDialogs::openDeleteAnimal()
{
    if (!m_deleteDialog) {
        connect(&lazily(m_deleteDialog, m_stock, m_window), &DeleteAnimalDialog::clearSelectionRequested, this,
                &TaskDialogs::selectionsCleared);
    }
    showModal(m_deleteDialog.get());
}

ChangeAnimalDialog& TaskDialogs::changeDialog()
{
    if (!m_changeDialog) {
        auto& dialog = lazily(m_changeDialog, m_stock, m_window);
        connect(&dialog, &ChangeAnimalDialog::clearSelectionRequested, this, &TaskDialogs::selectionsCleared);
        connect(&dialog, &ChangeAnimalDialog::pedigreeRequested, this, &TaskDialogs::pedigreeRequested);
        connect(&dialog, &ChangeAnimalDialog::descendantsRequested, this,
                [this](const QString& ring) { descendantsDialog().openFor(ring); });
    }
    return *m_changeDialog;
}

void TaskDialogs::openChangeAnimal()
{
    changeDialog().openNormal();
}

void TaskDialogs::openSearch()
{
    if (!m_searchDialog) {
        auto& dialog = lazily(m_searchDialog, m_stock, m_window);
        connect(&dialog, &SearchDialog::pedigreeRequested, this, &TaskDialogs::pedigreeRequested);
        connect(&dialog, &SearchDialog::showAllFound, this,
                [this](const QStringList& rings, const std::optional<QString>& selected) {
                    changeDialog().openSearchResults(rings, selected);
                });
    }
    showModal(m_searchDialog.get());
}

void TaskDialogs::openParentLinks()
{
    showModal(&lazily(m_parentDialog, m_stock, m_window));
}

DescendantsDialog& TaskDialogs::descendantsDialog()
{
    if (!m_descendantsDialog) {
        auto& dialog = lazily(m_descendantsDialog, m_stock, m_window);
        connect(&dialog, &DescendantsDialog::pedigreeRequested, this, &TaskDialogs::pedigreeRequested);
    }
    return *m_descendantsDialog;
}

void TaskDialogs::openDescendants()
{
    showModal(&descendantsDialog());
}

void TaskDialogs::openPrintSettings()
{
    if (!m_printSettingsDialog) {
        auto& dialog = lazily(m_printSettingsDialog, m_stock, m_preferences, m_window);
        connect(&dialog, &PrintSettingsDialog::clearSelectionRequested, this, &TaskDialogs::selectionsCleared);
    }
    showModal(m_printSettingsDialog.get());
}

void TaskDialogs::openDataCheck()
{
    showModal(&lazily(m_checkDialog, m_stock, m_window));
}

BreedingDialog& TaskDialogs::breedingDialog()
{
    if (!m_breedingDialog) {
        auto& dialog = lazily(m_breedingDialog, m_stock, m_window);
        connect(&dialog, &BreedingDialog::clearSelectionRequested, this, &TaskDialogs::selectionsCleared);
        connect(&dialog, &BreedingDialog::coloursRequested, this, &TaskDialogs::coloursRequested);
    }
    return *m_breedingDialog;
}

void TaskDialogs::openBreeding()
{
    showModal(&breedingDialog());
}

void TaskDialogs::openPair(int pair)
{
    openBreeding();
    m_breedingDialog->showPair(pair);
}

void TaskDialogs::openNewPair(const QString& cockRing, const QString& henRing)
{
    openBreeding();
    m_breedingDialog->prepareNewPair(cockRing, henRing);
}
