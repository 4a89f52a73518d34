#pragma once

#include "core/model/Database.h"
#include "reports/layouts/PedigreeReport.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;

// "Einstellungen für den Druck": every change takes effect at once; there is
// no confirm or cancel button.
class PrintSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    PrintSettingsDialog(PrintSettings& settings, CertificateOptions& options, QWidget* parent = nullptr);

signals:
    // TopRightContent changed: the main window's label beside the buyer text follows.
    void topRightContentChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* colourSwatch(const char* name, const QString& label, quint32 PrintSettings::*colour);
    void paintSwatch(QPushButton* swatch, quint32 colour);
    void loadSettings();

    PrintSettings& m_settings;
    CertificateOptions& m_options;
    QCheckBox* m_printYear = nullptr;
    QCheckBox* m_prefixes = nullptr;
    QCheckBox* m_breeding = nullptr;
    QComboBox* m_topRight = nullptr;
    QComboBox* m_outer = nullptr;
    QComboBox* m_layout = nullptr;
    QSpinBox* m_fontSize = nullptr;
    QList<std::pair<QPushButton*, quint32 PrintSettings::*>> m_swatches;
};
