#pragma once

#include "core/model/AnimalRecords.h"

#include <QWidget>

class FactorStatesEditor;
class PedigreeReading;
class QLabel;

// "Erbanlagen": the colour factors entered for a bird, what its colour field
// shows and what its pedigree proves or makes likely. Part of the change dialog.
class GeneticsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit GeneticsPanel(QWidget* parent = nullptr);

    // A bird of the stock, by table position, with the factors stored for it.
    void show(PedigreeReading& reading, qsizetype animal, const FactorStates& stored, bool male);
    void clear();
    void setMale(bool male);
    FactorStates input() const;
    // The German reason the factors chosen cannot be stored together, or an empty text.
    QString problem() const;

private:
    bool m_male = true;
    FactorStatesEditor* m_editor = nullptr;
    QLabel* m_colour = nullptr;
    QLabel* m_findings = nullptr;
};
