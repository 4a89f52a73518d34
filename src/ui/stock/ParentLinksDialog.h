#pragma once

#include "core/stock/ParentLinks.h"

#include <QDialog>

class BreedFilter;
class StockDocument;
class QCheckBox;
class QComboBox;
class QLabel;
class QStatusBar;
class RingList;

// Where the breeder records father and mother of each animal.
class ParentLinksDialog : public QDialog
{
    Q_OBJECT

public:
    ParentLinksDialog(StockDocument& stock, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildParentGroup();
    ParentListOptions options() const;
    void rebuildLists();
    void fillLists();
    void selectChild(const QString& ring);
    void saveParents();

    StockDocument& m_stock;
    ParentLists m_lists;

    RingList* m_children = nullptr;
    QLabel* m_storedMother = nullptr;
    QLabel* m_storedFather = nullptr;
    QComboBox* m_mothers = nullptr;
    QComboBox* m_fathers = nullptr;
    QCheckBox* m_hideSold = nullptr;
    QCheckBox* m_showDeleted = nullptr;
    QCheckBox* m_filterParents = nullptr;
    BreedFilter* m_filter = nullptr;
    QStatusBar* m_status = nullptr;
};
