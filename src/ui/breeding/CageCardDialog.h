#pragma once

#include "core/breeding/CageCard.h"

#include <QDialog>

#include <optional>

class PreferencesStore;
class QComboBox;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class StockDocument;

// "Käfigkarten": the cards of the chosen breeding pairs or single birds, in
// the chosen size, shown in the print preview.
class CageCardDialog : public QDialog
{
    Q_OBJECT

public:
    CageCardDialog(const StockDocument& stock, const PreferencesStore& preferences, QWidget* parent = nullptr);

    // The pairs are listed afresh and those of the current year ticked.
    void refresh();
    // The cards asked for; none, with the reason told, when the choice is off.
    std::optional<std::vector<CageCard>> chosenCards();

private:
    void checkAll(bool checked);
    void preview();

    const StockDocument& m_stock;
    const PreferencesStore& m_preferences;
    QRadioButton* m_byPairs = nullptr;
    QRadioButton* m_byRings = nullptr;
    QListWidget* m_pairs = nullptr;
    QPlainTextEdit* m_rings = nullptr;
    QComboBox* m_size = nullptr;
};
