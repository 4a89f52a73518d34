#pragma once

#include <QWidget>

#include <optional>

class QComboBox;

// "Rassen-Filter:" with its editable list of breeds and "Filter löschen".
// The filter takes effect only when its text names one of its entries; an
// empty box never filters, though the list holds the empty breed.
class BreedFilter : public QWidget
{
    Q_OBJECT

public:
    explicit BreedFilter(QWidget* parent = nullptr, const QString& label = tr("Rassen-Filter:"));

    // Replaces the entries; no entry is selected afterwards. Emits nothing.
    void setBreeds(const QStringList& breeds);
    std::optional<QString> breed() const;
    // Selects the entry naming this breed without emitting; false when there is none.
    bool selectBreed(const std::optional<QString>& breed);
    QComboBox* combo() const { return m_combo; }

signals:
    // The filter now names this breed, or none.
    void changed(const std::optional<QString>& breed);
    // "Filter löschen" was pressed (the filter is empty then).
    void cleared();

private:
    QComboBox* m_combo;
    std::optional<QString> m_last;
};
