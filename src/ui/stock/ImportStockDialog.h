#pragma once

#include "core/import/StockImport.h"

#include <QDialog>

class ImportPreviewModel;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;
class QTableWidget;
class StockDocument;

// "Bestand importieren": a spreadsheet's columns as the program understood
// them, each changeable or left out, whether filled cells overwrite what is
// stored, and per row what the import would do; then the import as one step
// that undo takes back.
class ImportStockDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ImportStockDialog(StockDocument& stock, QWidget* parent = nullptr);
    ~ImportStockDialog() override;

    // Asks for the file, then shows it; false when none was chosen or it cannot be read.
    bool chooseFile();
    // Reads the file and shows what importing it would do.
    bool openFile(const QString& path);

private:
    void fillMapping();
    void replan();
    void import();

    StockDocument& m_stock;
    CsvTable m_table;
    std::vector<ImportField> m_mapping;
    ImportPlan m_plan;
    QLabel* m_file = nullptr;
    QTableWidget* m_columns = nullptr;
    QRadioButton* m_overwrite = nullptr;
    QTableView* m_preview = nullptr;
    ImportPreviewModel* m_model = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_importButton = nullptr;
};
