#pragma once

#include "core/model/Database.h"

#include <QDialog>

class BreedFilter;
class RingList;

// Takes an animal out of the active stock (for instance one that died): the
// record stays until the next stock sort, its picture is deleted at once.
class DeleteAnimalDialog : public QDialog
{
    Q_OBJECT

public:
    DeleteAnimalDialog(AnimalTable& animals, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void prepareOnShow();
    void applyFilter();
    void deleteSelected();

    AnimalTable& m_animals;
    RingList* m_list = nullptr;
    BreedFilter* m_filter = nullptr;
};
