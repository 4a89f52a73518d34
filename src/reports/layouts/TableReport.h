#pragma once

#include "reports/engine/ReportPages.h"

#include <QStringList>

#include <memory>

// A list printed as a table over as many A4 pages as it needs: a title, the
// date and the page number and the column headings on every page, one row
// per line. For the season's windows (the calendar, the statistics).
struct ReportTable
{
    struct Column
    {
        QString heading;
        double width = 20; // millimetres; the columns together at most 190
        Qt::Alignment alignment = Qt::AlignLeft;
    };
    QString title;
    QString subtitle;
    std::vector<Column> columns;
    std::vector<QStringList> rows; // one text per column
    std::vector<bool> marked; // rows printed bold (overdue, close, totals); may be shorter than rows
};

std::shared_ptr<ReportPages> tablePages(ReportTable table);

// The same table's pieces for printouts with a header of their own: the
// headings from `top` with the rule 6 mm below them, and one row of `height`
// (millimetres) with its light rule underneath.
void addTableHeadings(std::vector<ReportElement>& elements, const std::vector<ReportTable::Column>& columns,
                      double top);
void addTableRow(std::vector<ReportElement>& elements, const std::vector<ReportTable::Column>& columns,
                 const QStringList& cells, double height, bool bold = false);
