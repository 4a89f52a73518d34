#pragma once

#include "core/stock/StockDocument.h"

#include <QWidget>

#include <memory>
#include <optional>

class BreederDataDialog;
class BreedingDialog;
class CertificateCommands;
class ChangeAnimalDialog;
class DeleteAnimalDialog;
class DataCheckDialog;
class DescendantsDialog;
class EnterAnimalsDialog;
class ParentLinksDialog;
class MoreWindowsButton;
class PairGroup;
class PedigreeGroup;
class PreferencesStore;
class PrintSettingsDialog;
class QPushButton;
class QStackedLayout;
class SearchDialog;
class StockListPanel;

// The program's hub: one button per task, the animal and pair selectors and
// the stock-list options. Hands every command to a dialog or the stock
// document, follows the document's changes and saves when it is closed.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    MainWindow(StockDocument& stock, PreferencesStore& preferences, QWidget* parent = nullptr);
    ~MainWindow() override;

    StockDocument& stock() { return m_stock; }
    CertificateCommands& certificateCommands() { return *m_certificates; }

    // Fills every list from the data; no animal and no pair is selected afterwards.
    void refresh();
    void clearSelections();
    std::optional<QString> selectedAnimalRing() const;
    std::optional<int> selectedPair() const;
    // Selects the last entry with exactly this ring (if any), then shows its certificate.
    void showPedigreeOf(const QString& ring);

signals:
    // The user confirmed the end of the program after both files were saved.
    void exitConfirmed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildCommandColumn();
    QPushButton* buildMoreButton(QWidget* parent);
    void followStock(StockDocument::Changes what);
    // The breeding controls and the caption beside the buyer text.
    void applyPrintSettings();
    void showStockListPreview();
    void showStockListPrint();
    void openBreederData();
    void openEnterAnimals();
    void openDeleteAnimal();
    void openBreeding();
    void openParentLinks();
    void openPrintSettings();
    void openChangeAnimal();
    void openSearch();
    void openDescendants();
    ChangeAnimalDialog& changeDialog();
    DescendantsDialog& descendantsDialog();

    StockDocument& m_stock;
    PreferencesStore& m_preferences;
    CertificateCommands* m_certificates = nullptr;

    QStackedLayout* m_pages = nullptr;
    StockListPanel* m_stockListPanel = nullptr;
    PedigreeGroup* m_pedigree = nullptr;
    QPushButton* m_breedingButton = nullptr;
    PairGroup* m_pairGroup = nullptr;
    MoreWindowsButton* m_more = nullptr;

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
