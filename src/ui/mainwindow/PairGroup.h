#pragma once

#include <QGroupBox>

#include <optional>

class QComboBox;

// "Zuchtpaar zum Drucken auswählen: ": the breeding pair whose sheet is printed.
class PairGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit PairGroup(QWidget* parent = nullptr);

    // One caption per pair in table order; none is selected afterwards.
    void setPairs(const QStringList& captions);
    // The selected pair's position in the table.
    std::optional<int> selectedPair() const;

signals:
    void printRequested();

private:
    QComboBox* m_selector = nullptr;
};
