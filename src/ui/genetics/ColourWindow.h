#pragma once

#include "core/genetics/StockColours.h"

#include <QDialog>

#include <memory>

class ExpectedYoungView;
class FactorStatesEditor;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class StockDocument;

// "Farbvererbung": the young any cock and hen of the stock would have, or
// birds whose factors are typed in by hand, with what the pedigree proves.
class ColourWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ColourWindow(StockDocument& stock, QWidget* parent = nullptr);
    ~ColourWindow() override;

    // Chooses two birds of the stock (an empty ring: by hand).
    void choosePair(const QString& cockRing, const QString& henRing);
    ExpectedYoungView* young() const { return m_young; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Side
    {
        QComboBox* animal = nullptr;
        FactorStatesEditor* factors = nullptr;
        QLabel* findings = nullptr;
    };
    QWidget* buildSide(Side& side, bool male);
    void fillAnimals();
    void showAnimal(Side& side, bool male);
    AnimalFactors factorsOf(const Side& side, bool male);
    void calculate();

    StockDocument& m_stock;
    Side m_cock;
    Side m_hen;
    QDoubleSpinBox* m_crossover = nullptr;
    QComboBox* m_phase = nullptr;
    QCheckBox* m_likely = nullptr;
    ExpectedYoungView* m_young = nullptr;
};
