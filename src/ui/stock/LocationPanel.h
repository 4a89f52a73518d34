#pragma once

#include "core/model/AnimalRecords.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QTreeWidget;

// "Standort": the cage, flight or room a bird sits in, with the places it
// was moved through. Part of the change dialog.
class LocationPanel : public QWidget
{
    Q_OBJECT

public:
    explicit LocationPanel(QWidget* parent = nullptr);

    // A bird's moves, oldest first, and the places offered for it.
    void show(const QString& ring, const std::vector<LocationMove>& moves, const QStringList& offered);
    void clear();
    // A move to the place typed, when it differs from where the bird sits;
    // the German reason it cannot be stored in `problem`.
    std::optional<LocationMove> input(QString& problem) const;

private:
    QString m_ring;
    QString m_current;
    QString m_currentSince;
    QComboBox* m_location = nullptr;
    QLineEdit* m_since = nullptr;
    QTreeWidget* m_history = nullptr;
};
