#pragma once

#include <QDialog>

class BreedFilter;
class RingList;
class StockDocument;

// Takes an animal out of the active stock (for instance one that died): the
// record stays until the next stock sort, its picture is deleted at once.
class DeleteAnimalDialog : public QDialog
{
    Q_OBJECT

public:
    DeleteAnimalDialog(StockDocument& stock, QWidget* parent = nullptr);

signals:
    // Closing the dialog leaves the main window without a selected animal.
    void clearSelectionRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void prepareOnShow();
    void applyFilter();
    void deleteSelected();
    void reloadKeepingBreed();

    StockDocument& m_stock;
    RingList* m_list = nullptr;
    BreedFilter* m_filter = nullptr;
};
