#pragma once

#include "reports/layouts/PedigreeReport.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class StockDocument;

// "Einstellungen für den Druck": every change takes effect at once; there is
// no confirm or cancel button.
class PrintSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    PrintSettingsDialog(StockDocument& stock, CertificateOptions& options, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* colourSwatch(const char* name, const QString& label, quint32 PrintSettings::*colour);
    void paintSwatch(QPushButton* swatch, quint32 colour);
    void loadSettings();
    // Changes the stored settings at once, as every control of this dialog does.
    void update(const std::function<void(PrintSettings&)>& change);

    StockDocument& m_stock;
    CertificateOptions& m_options;
    QCheckBox* m_printYear = nullptr;
    QCheckBox* m_prefixes = nullptr;
    QCheckBox* m_breeding = nullptr;
    QCheckBox* m_inbreeding = nullptr;
    QCheckBox* m_marks = nullptr;
    QComboBox* m_topRight = nullptr;
    QComboBox* m_outer = nullptr;
    QComboBox* m_layout = nullptr;
    QSpinBox* m_fontSize = nullptr;
    QList<std::pair<QPushButton*, quint32 PrintSettings::*>> m_swatches;
};
