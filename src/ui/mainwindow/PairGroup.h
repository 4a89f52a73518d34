#pragma once

#include <QGroupBox>

#include <optional>

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

    // One caption per pair in table order; none is selected afterwards.
    void setPairs(const QStringList& captions);
    // The selected pair's position in the table.
    std::optional<int> selectedPair() const;
    void clearSelection();

private:
    // "Zuchtpaar drucken": the selected pair's sheet in the preview.
    void previewSheet();

    const StockDocument& m_stock;
    const PreferencesStore& m_preferences;
    QComboBox* m_selector = nullptr;
};
