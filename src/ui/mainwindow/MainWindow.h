#pragma once

#include "core/stock/StockDocument.h"

#include <QWidget>

#include <optional>

class CertificateCommands;
class MoreWindowsButton;
class PairGroup;
class PedigreeGroup;
class PreferencesStore;
class QPushButton;
class QStackedLayout;
class StockListPanel;
class TaskDialogs;
enum class StockListDestination;

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
    void refreshAnimalLists();
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
    void showStockList(StockListDestination destination);

    StockDocument& m_stock;
    std::optional<quint64> m_candidatesShown; // the version of the certificate's ring list shown
    PreferencesStore& m_preferences;
    CertificateCommands* m_certificates = nullptr;
    TaskDialogs* m_dialogs = nullptr;

    QStackedLayout* m_pages = nullptr;
    StockListPanel* m_stockListPanel = nullptr;
    PedigreeGroup* m_pedigree = nullptr;
    QPushButton* m_breedingButton = nullptr;
    PairGroup* m_pairGroup = nullptr;
};
