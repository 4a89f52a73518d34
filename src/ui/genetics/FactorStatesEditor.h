#pragma once

#include "core/model/AnimalRecords.h"

#include <QWidget>

#include <vector>

class FactorTable;
class QComboBox;

// One choice per colour factor: unbekannt, nicht vorhanden, spalterbig,
// sichtbar, doppelfaktorig, as far as the factor and the bird's sex allow.
class FactorStatesEditor : public QWidget
{
    Q_OBJECT

public:
    explicit FactorStatesEditor(QWidget* parent = nullptr);

    void setFactors(const FactorStates& factors, bool male);
    // The choices a bird of this sex has; a state entered before stays offered.
    void setMale(bool male);
    // The factors chosen, "unbekannt" left out.
    FactorStates factors() const;
    void clear();

signals:
    void changed();

private:
    void offer(int factor, FactorState keep);

    const FactorTable& m_table;
    bool m_male = true;
    std::vector<QComboBox*> m_choices; // one per factor of the table
};
