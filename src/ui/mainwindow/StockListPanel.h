#pragma once

#include "ui/stocklist/StockListCommands.h"

#include <QWidget>

#include <optional>

class BreedFilter;
class PreferencesStore;
class QComboBox;

// The options of the stock list: output, breed filter and sort order. Shown
// over the main window's controls by the two stock-list buttons.
class StockListPanel : public QWidget
{
    Q_OBJECT

public:
    StockListPanel(StockDocument& stock, const PreferencesStore& preferences, QWidget* parent = nullptr);

    // Where the printed list goes from here on, as the button that opened the panel says.
    void setDestination(StockListDestination destination) { m_destination = destination; }

    // Replaces the filter's entries; no entry is selected afterwards.
    void setBreeds(const QStringList& breeds);
    // The chosen breed, or nothing when the filter names no entry.
    std::optional<QString> breedFilter() const;
    StockListOutput output() const;

signals:
    void filterCleared();
    // The list was made or "Abbrechen" pressed: the panel is done.
    void closed();

private:
    void make(StockListOrder order);

    StockListCommands* m_commands;
    StockListDestination m_destination = StockListDestination::Preview;
    QComboBox* m_output = nullptr;
    BreedFilter* m_breedFilter = nullptr;
};
