#pragma once

#include "core/model/AnimalRecords.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QStringListModel;
class QTableWidget;
class QTableWidgetItem;
class ShowEventDialog;
class StockDocument;

// "Ausstellungsmeldung": the shows the breeder enters birds for and, per
// show, its entries: single birds and collections of four, each with its
// class. The entry form prints with the breeder as exhibitor; after the show
// the cage numbers, points and awards are typed into the list and the judged
// entries become the birds' show results in one step.
class ShowEntriesWindow : public QDialog
{
    Q_OBJECT

public:
    ShowEntriesWindow(StockDocument& stock, QWidget* parent = nullptr);
    ~ShowEntriesWindow() override;

    // Enters the rings typed under "Melden" for the chosen show.
    void enterBirds();
    // The entry form in the preview; what the entries break is asked about first.
    void printEntryForm();
    // The cage labels of the chosen show on sheets of this kind, in the preview.
    void printLabels(int sheet);
    // Makes the judged entries show results.
    void transferResults();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildEntryLine();
    void reload();
    void showEntries();
    std::optional<ShowEvent> chosenShow() const;
    void editShow(bool asNew);
    void takeShow(const ShowEvent& show);
    void deleteShow();
    void removeChosenEntry();
    void takeEdit(QTableWidgetItem* item);
    void offerClasses();
    void saveCsv();

    StockDocument& m_stock;
    QComboBox* m_show = nullptr;
    QLabel* m_details = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_warnings = nullptr;
    QList<QLineEdit*> m_rings;
    QCheckBox* m_collection = nullptr;
    QComboBox* m_class = nullptr;
    QStringListModel* m_knownRings = nullptr;
    std::vector<ShowEntry> m_entries; // as listed
    std::vector<ShowEvent> m_shows; // as in the show list
    std::unique_ptr<ShowEventDialog> m_showDialog;
};
