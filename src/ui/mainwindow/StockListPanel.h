#pragma once

#include <QWidget>

#include <optional>

class BreedFilter;
class QComboBox;

// The options of the stock list: output, breed filter and sort order. Shown
// over the main window's controls by the two stock-list buttons.
class StockListPanel : public QWidget
{
    Q_OBJECT

public:
    explicit StockListPanel(QWidget* parent = nullptr);

    // Replaces the filter's entries; no entry is selected afterwards.
    void setBreeds(const QStringList& breeds);
    // The chosen breed, or nothing when the filter names no entry.
    std::optional<QString> breedFilter() const;
    // 0: the list as a report, 1: an HTML file.
    int output() const;

signals:
    void filterCleared();
    void sortByRing();
    void sortByYear();
    void cancelled();

private:
    QComboBox* m_output = nullptr;
    BreedFilter* m_breedFilter = nullptr;
};
