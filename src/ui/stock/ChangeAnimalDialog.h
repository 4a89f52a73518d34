#pragma once

#include "ui/common/AnimalFields.h"

#include <QDialog>

#include <memory>
#include <optional>

class BreedFilter;
class PictureBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QStatusBar;
class RingList;
class ShowResultsPanel;
class QTabWidget;
class WhereaboutsPanel;
class GeneticsPanel;
class LocationPanel;
class StockDocument;

// Changes an animal's data, its sold mark and its picture. Lists the whole
// stock (normal mode) or the animals a search found (search-results mode).
class ChangeAnimalDialog : public QDialog
{
    Q_OBJECT

public:
    ChangeAnimalDialog(StockDocument& stock, QWidget* parent = nullptr);
    ~ChangeAnimalDialog() override;

    // Normal mode: the stock is sorted first (deleted animals leave it), then
    // listed by ring number.
    void openNormal();
    // The search's results, starting on the entry selected in the search.
    void openSearchResults(const QStringList& results, const std::optional<QString>& selected);

    bool searchMode() const { return m_searchMode; }
    RingList* animalList() const { return m_list; }

signals:
    // A save was tried, stored or not: the main window's selection is outdated.
    void clearSelectionRequested();
    void pedigreeRequested(const QString& ring);
    void descendantsRequested(const QString& ring);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildListColumn();
    QWidget* buildFieldColumn();
    QWidget* buildDataTab();
    QWidget* buildPictureColumn();
    void prepareOnShow();
    void resetFieldsAndLists();
    void fillList();
    void applyFilter();
    void selectAnimal(const QString& ring);
    void clearFields();
    void saveChanges();
    void rebuildShowing(const std::optional<QString>& ring);
    void choosePicture();
    void deletePicture();
    std::optional<QString> selectedOrComplain();

    StockDocument& m_stock;
    bool m_searchMode = false;
    QStringList m_searchResults;
    bool m_openingFromSearch = false;
    std::optional<QString> m_searchSelection; // selected in the search when the dialog opened

    RingList* m_list = nullptr;
    QComboBox* m_sortChoice = nullptr;
    BreedFilter* m_filter = nullptr;
    AnimalFields m_fields;
    QTabWidget* m_tabs = nullptr;
    WhereaboutsPanel* m_whereabouts = nullptr;
    LocationPanel* m_location = nullptr;
    ShowResultsPanel* m_shows = nullptr;
    GeneticsPanel* m_genetics = nullptr;
    QCheckBox* m_sold = nullptr;
    QLabel* m_inbreeding = nullptr;
    PictureBox* m_picture = nullptr;
    QStatusBar* m_status = nullptr;
};
