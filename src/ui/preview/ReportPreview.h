#pragma once

#include "reports/engine/ReportPages.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

// The print preview: the pages as they will be printed, with page
// navigation, zoom, "Drucken" and "Als PDF speichern".
class ReportPreview : public QDialog
{
    Q_OBJECT

public:
    // title: what the pages are, as messages name it ("den Abstammungsnachweis");
    // fileName: the name proposed for a PDF.
    ReportPreview(std::shared_ptr<const ReportPages> pages, QString title, QString fileName, QWidget* parent = nullptr);

    int currentPage() const { return m_current; }
    void showPage(int index);
    // Zoom in percent of the printed size; 0 fits the page, -1 fits its width.
    void setZoom(int percent);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLayout* buildToolBar();
    double zoomFactor() const;
    void renderCurrent();

    std::shared_ptr<const ReportPages> m_pages;
    QString m_title;
    QString m_fileName;
    QString m_printDate;
    int m_current = 0;
    ReportPage m_page; // the one shown, made when it is turned to
    int m_zoom = 0;

    QScrollArea* m_scroll = nullptr;
    QLabel* m_image = nullptr;
    QLabel* m_pageLabel = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
    QComboBox* m_zoomChoice = nullptr;
};
