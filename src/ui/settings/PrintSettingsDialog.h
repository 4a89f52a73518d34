#pragma once

#include "core/model/PrintSettings.h"

#include <QDialog>

#include <functional>

class PreferencesStore;
class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class StockDocument;

// "Einstellungen für den Druck": every change takes effect at once; there is
// no confirm or cancel button. The print settings go to the stock document,
// the certificate's other choices to the preferences.
class PrintSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    PrintSettingsDialog(StockDocument& stock, PreferencesStore& preferences, QWidget* parent = nullptr);

signals:
    // Closing the dialog leaves the main window without a selected animal.
    void clearSelectionRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildCertificateGroup();
    QWidget* buildStockListLayout();
    void buildColourRows();
    QWidget* buildAdditions();
    QWidget* buildLanguages();
    void connectControls();
    QPushButton* colourSwatch(const char* name, const QString& label, quint32 PrintSettings::*colour);
    void paintSwatch(QPushButton* swatch, quint32 colour);
    void loadSettings();
    // Changes the stored settings at once, as every control of this dialog does.
    void update(const std::function<void(PrintSettings&)>& change);
    void updateCertificate();

    StockDocument& m_stock;
    PreferencesStore& m_preferences;
    QCheckBox* m_printYear = nullptr;
    QCheckBox* m_prefixes = nullptr;
    QCheckBox* m_breeding = nullptr;
    QCheckBox* m_inbreeding = nullptr;
    QCheckBox* m_marks = nullptr;
    QCheckBox* m_bestShowResult = nullptr;
    QComboBox* m_topRight = nullptr;
    QComboBox* m_outer = nullptr;
    QComboBox* m_layout = nullptr;
    QSpinBox* m_fontSize = nullptr;
    QComboBox* m_programLanguage = nullptr;
    QComboBox* m_printLanguage = nullptr;
    QList<std::pair<QPushButton*, quint32 PrintSettings::*>> m_swatches;
};
