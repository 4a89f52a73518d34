#pragma once

#include <QGroupBox>

#include <functional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class StockDocument;

// "Beringung des Nachwuchses: ": the eggs of a saved clutch, each ringed on
// its own, which enters the young bird into the stock with the pair as its
// parents; "Ei-Infos löschen" takes it out again.
class RingingGroup : public QGroupBox
{
    Q_OBJECT

public:
    // parents: the cock and the hen the dialog shows for the pair (empty for none).
    RingingGroup(StockDocument& stock, std::function<std::pair<QString, QString>()> parents, QWidget* parent = nullptr);

    // Shows the eggs 1 … count of a clutch; no egg is selected.
    void showClutch(int pair, int clutch);
    // No egg selected, the egg panel hidden.
    void clearEgg();
    // The group with its egg panel, or the group hidden: for the dialog's size.
    void showAll(bool all);

private:
    void buildEggPanel();
    void selectEgg();
    void enterYoung();
    void clearEggInfo();
    void setEditable(bool editable);

    StockDocument& m_stock;
    std::function<std::pair<QString, QString>()> m_parents;
    int m_pair = -1;
    int m_clutch = -1;

    QComboBox* m_eggs = nullptr;
    QPushButton* m_clearEgg = nullptr;
    QWidget* m_eggPanel = nullptr;
    QLineEdit* m_ring = nullptr;
    QComboBox* m_sex = nullptr;
    QComboBox* m_breed = nullptr;
    QLineEdit* m_hatched = nullptr;
    QLineEdit* m_weaned = nullptr;
    QPlainTextEdit* m_remarks = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_enter = nullptr;
};
