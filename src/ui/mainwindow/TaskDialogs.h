#pragma once

#include <QObject>

#include <memory>

class BreederDataDialog;
class BreedingDialog;
class ChangeAnimalDialog;
class DataCheckDialog;
class DeleteAnimalDialog;
class DescendantsDialog;
class EnterAnimalsDialog;
class ParentLinksDialog;
class PreferencesStore;
class PrintSettingsDialog;
class QWidget;
class SearchDialog;
class StockDocument;

// The main window's dialogs, each made on first use and kept for the run so
// that it keeps its contents between openings, and wired to each other: the
// search opens its finds in the change dialog, the change dialog the
// descendants. What reaches beyond them goes out as a signal.
class TaskDialogs : public QObject
{
    Q_OBJECT

public:
    TaskDialogs(StockDocument& stock, PreferencesStore& preferences, QWidget* window);
    ~TaskDialogs() override;

    void openBreederData();
    void openEnterAnimals();
    void openDeleteAnimal();
    void openChangeAnimal();
    void openSearch();
    void openParentLinks();
    void openDescendants();
    void openPrintSettings();
    void openDataCheck();
    void openBreeding();
    void openPair(int pair);
    void openNewPair(const QString& cockRing, const QString& henRing);

signals:
    // A dialog changed or may have changed what the main window's selectors show.
    void selectionsCleared();
    void pedigreeRequested(const QString& ring);
    void coloursRequested(const QString& cockRing, const QString& henRing);

private:
    ChangeAnimalDialog& changeDialog();
    DescendantsDialog& descendantsDialog();
    BreedingDialog& breedingDialog();

    StockDocument& m_stock;
    PreferencesStore& m_preferences;
    QWidget* m_window;

    std::unique_ptr<BreederDataDialog> m_breederDialog;
    std::unique_ptr<BreedingDialog> m_breedingDialog;
    std::unique_ptr<EnterAnimalsDialog> m_enterDialog;
    std::unique_ptr<DeleteAnimalDialog> m_deleteDialog;
    std::unique_ptr<ParentLinksDialog> m_parentDialog;
    std::unique_ptr<PrintSettingsDialog> m_printSettingsDialog;
    std::unique_ptr<ChangeAnimalDialog> m_changeDialog;
    std::unique_ptr<SearchDialog> m_searchDialog;
    std::unique_ptr<DescendantsDialog> m_descendantsDialog;
    std::unique_ptr<DataCheckDialog> m_checkDialog;
};
