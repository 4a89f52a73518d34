#pragma once

#include "core/model/AnimalRecords.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// "Verbleib": what became of a bird, with the buyer and the price where it
// was sold or given away. Part of the change dialog.
class WhereaboutsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit WhereaboutsPanel(QWidget* parent = nullptr);

    // The stored whereabouts of a bird, or "im Bestand" when it has none.
    void show(const QString& ring, const std::optional<Whereabouts>& stored);
    void clear();
    WhereaboutsStatus status() const;
    void setStatus(WhereaboutsStatus status);
    // What the fields hold, or the German reason they cannot be stored.
    std::optional<Whereabouts> input(QString& problem) const;

signals:
    void statusChanged(WhereaboutsStatus status);

private:
    void enableFields();

    QString m_ring;
    QComboBox* m_status = nullptr;
    QLineEdit* m_date = nullptr;
    QLineEdit* m_buyerName = nullptr;
    QPlainTextEdit* m_buyerAddress = nullptr;
    QLineEdit* m_price = nullptr;
    QLineEdit* m_note = nullptr;
};
