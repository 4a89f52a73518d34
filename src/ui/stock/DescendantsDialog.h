#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QTabWidget;
class RingList;
class StockDocument;

// Lists the children, grandchildren, great- and great-great-grandchildren of
// an animal, each generation on its own tab.
class DescendantsDialog : public QDialog
{
    Q_OBJECT

public:
    DescendantsDialog(const StockDocument& stock, QWidget* parent = nullptr);

    // Opens with the results for ring already shown (from the change dialog).
    void openFor(const QString& ring);
    RingList* generationList(int generation) const { return m_lists[generation - 1]; }

signals:
    // Double-click on a result: show its certificate.
    void pedigreeRequested(const QString& ring);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTabWidget* buildResultTabs();
    QWidget* buildInfoBox();
    void prepareOnShow();
    void search();
    void showInfo(const QString& ring);
    void clearInfo();

    const StockDocument& m_stock;
    bool m_prefilled = false;
    QComboBox* m_selector = nullptr;
    QLabel* m_resultsTitle = nullptr;
    QTabWidget* m_tabs = nullptr;
    RingList* m_lists[4] {};
    QLabel* m_infoRing = nullptr;
    QLabel* m_infoBreeder = nullptr;
    QLabel* m_infoColour = nullptr;
    QPlainTextEdit* m_infoRemarks = nullptr;
};
