#pragma once

#include <QDialog>

#include <memory>

struct PairInput;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class ExpectedYoungView;
class RingingGroup;
class StockDocument;

// "Nachwuchsverwaltung": breeding pairs, their clutches and the ringing of
// the young. Every change goes to the stock document at once.
class BreedingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit BreedingDialog(StockDocument& stock, QWidget* parent = nullptr);
    ~BreedingDialog() override;

    // Shows a pair of the table on the second tab (from the breeding calendar).
    void showPair(int pair);
    // The first tab with cock and hen chosen and today as the start (from the mate planner).
    void prepareNewPair(const QString& cockRing, const QString& henRing);

signals:
    // Closing the dialog leaves the main window without a selected animal or pair.
    void clearSelectionRequested();
    // The colour window for the pair shown.
    void coloursRequested(const QString& cockRing, const QString& henRing);

protected:
    // Each opening fills the lists from the stock.
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildNewPairTab();
    QWidget* buildPairTab();
    QGroupBox* buildClutchGroup();
    void fillLists(bool tabChanged);
    void createPair();
    void selectPair();
    void showPairInbreeding();
    void showNewPairColours();
    void savePair();
    void deletePair();
    void newClutch();
    void selectClutch();
    void saveClutch();
    void deleteClutch();
    int selectedPair() const;
    int selectedClutch() const;
    bool pairSelectedOrComplain(const QString& message);
    // Asks before a close relation is paired; true when the pair may be stored.
    bool acceptRelation(const PairInput& input);

    StockDocument& m_stock;
    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_newStart = nullptr;
    QLineEdit* m_newCage = nullptr;
    QComboBox* m_newCock = nullptr;
    QComboBox* m_newHen = nullptr;
    ExpectedYoungView* m_newYoung = nullptr;
    QComboBox* m_pairs = nullptr;
    QLineEdit* m_start = nullptr;
    QLineEdit* m_cage = nullptr;
    QComboBox* m_cock = nullptr;
    QComboBox* m_hen = nullptr;
    QLabel* m_pairInbreeding = nullptr;
    QComboBox* m_clutches = nullptr;
    QPushButton* m_newClutch = nullptr;
    QGroupBox* m_clutchGroup = nullptr;
    QLineEdit* m_eggCount = nullptr;
    QLineEdit* m_firstEgg = nullptr;
    QLineEdit* m_lastEgg = nullptr;
    QLineEdit* m_incubationStart = nullptr;
    RingingGroup* m_ringing = nullptr;
};
