#pragma once

#include "core/files/DataFiles.h"
#include "core/model/Database.h"
#include "reports/layouts/PedigreeReport.h"

#include <QWidget>

#include <memory>
#include <optional>

class BreederDataDialog;
class CertificateCommands;
class ChangeAnimalDialog;
class DescendantsDialog;
class SearchDialog;
class PrintSettingsDialog;
class DeleteAnimalDialog;
class EnterAnimalsDialog;
class ParentLinksDialog;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedLayout;
class StockListPanel;

// The program's hub: one button per task, the animal and pair selectors and
// the stock-list options. Owns the breeder's data for the whole run, hands
// commands to the dialogs and saves everything when it is closed.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    MainWindow(Database db, DataFiles files, QWidget* parent = nullptr);
    ~MainWindow() override;

    Database& database() { return m_db; }
    CertificateOptions& certificateOptions() { return m_certificateOptions; }
    CertificateCommands& certificateCommands() { return *m_certificates; }

    // Fills every list from the data; no animal and no pair is selected afterwards.
    void refresh();
    // Reorders the stock newest year first and drops deleted animals.
    void sortStock();
    std::optional<QString> selectedAnimalRing() const;
    std::optional<int> selectedPair() const;
    // Selects the last entry with exactly this ring (if any), then shows its certificate.
    void showPedigreeOf(const QString& ring);
    // The caption beside the buyer text, following the print settings.
    void updateBuyerLabel();

signals:
    // The user confirmed the end of the program after both files were saved.
    void exitConfirmed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildCommandColumn();
    QWidget* buildBackupGroup();
    QWidget* buildPedigreeGroup();
    QWidget* buildPairGroup();
    void showStockListPanel(int mode);
    void notYetAvailable();
    void openBreederData();
    void openEnterAnimals();
    void openDeleteAnimal();
    void openParentLinks();
    void openPrintSettings();
    void openChangeAnimal();
    void openSearch();
    void openDescendants();
    ChangeAnimalDialog& changeDialog();
    DescendantsDialog& descendantsDialog();
    void stockEdited();

    Database m_db;
    DataFiles m_files;
    CertificateOptions m_certificateOptions;
    CertificateCommands* m_certificates = nullptr;
    int m_stockListMode = 0; // 0 preview, 1 printer

    QStackedLayout* m_pages = nullptr;
    StockListPanel* m_stockListPanel = nullptr;
    QComboBox* m_animalSelector = nullptr;
    QComboBox* m_pairSelector = nullptr;
    QLabel* m_buyerLabel = nullptr;
    QPlainTextEdit* m_buyerText = nullptr;
    QPushButton* m_breedingButton = nullptr;
    QGroupBox* m_pairGroup = nullptr;

    std::unique_ptr<BreederDataDialog> m_breederDialog;
    std::unique_ptr<EnterAnimalsDialog> m_enterDialog;
    std::unique_ptr<DeleteAnimalDialog> m_deleteDialog;
    std::unique_ptr<ParentLinksDialog> m_parentDialog;
    std::unique_ptr<PrintSettingsDialog> m_printSettingsDialog;
    std::unique_ptr<ChangeAnimalDialog> m_changeDialog;
    std::unique_ptr<SearchDialog> m_searchDialog;
    std::unique_ptr<DescendantsDialog> m_descendantsDialog;
};
