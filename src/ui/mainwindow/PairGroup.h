#pragma once

#include <QGroupBox>

#include <memory>
#include <optional>

class CageCardDialog;
class QComboBox;
class PreferencesStore;
class StockDocument;

// "Zuchtpaar zum Drucken auswählen: ": the breeding pair whose sheet is
// previewed and printed.
class PairGroup : public QGroupBox
{
    Q_OBJECT

public:
    PairGroup(const StockDocument& stock, const PreferencesStore& preferences, QWidget* parent = nullptr);
    ~PairGroup() override;

    // One caption per pair in table order; none is selected afterwards.
    void setPairs(const QStringList& captions);
    // The selected pair's position in the table.
    std::optional<int> selectedPair() const;
    void clearSelection();

private:
    // "Zuchtpaar drucken": the selected pair's sheet in the preview.
    void previewSheet();
    // "Käfigkarten…": the cards of the pairs or birds chosen there.
    void openCageCards();

    const StockDocument& m_stock;
    const PreferencesStore& m_preferences;
    QComboBox* m_selector = nullptr;
    std::unique_ptr<CageCardDialog> m_cageCards;
};
