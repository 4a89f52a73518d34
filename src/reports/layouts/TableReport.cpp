#include "reports/layouts/TableReport.h"

#include <QCoreApplication>

namespace {

constexpr double kWidth = 190.0;
constexpr double kHeaderHeight = 24.0;
constexpr double kRowHeight = 5.5;

std::vector<ReportElement> header(const ReportTable& table, int pageNumber)
{
    std::vector<ReportElement> e;
    TextElement title = TextElement::fixed(QString(), {0, 0, 150, 9}, 18);
    title.style.bold = true;
    title.lines = QStringList {table.title};
    e.push_back(title);
    e.push_back(TextElement::printDate(QString(), {kWidth, 0.5}, 9));
    TextElement page = TextElement::fixed(QString(), {150, 5, 40, 5}, 9);
    page.style.alignment = Qt::AlignRight;
    page.lines = QStringList {QCoreApplication::translate("TableReport", "Seite %1").arg(pageNumber)};
    e.push_back(page);
    TextElement subtitle = TextElement::fixed(QString(), {0, 10, kWidth, 5}, 10);
    subtitle.lines = QStringList {table.subtitle};
    e.push_back(subtitle);
    addTableHeadings(e, table.columns, 17.5);
    return e;
}

std::vector<ReportElement> row(const ReportTable& table, int index)
{
    std::vector<ReportElement> e;
    const bool marked = size_t(index) < table.marked.size() && table.marked[size_t(index)];
    addTableRow(e, table.columns, table.rows[size_t(index)], kRowHeight, marked);
    return e;
}

} // namespace

void addTableHeadings(std::vector<ReportElement>& elements, const std::vector<ReportTable::Column>& columns, double top)
{
    double x = 0;
    for (const ReportTable::Column& c : columns) {
        TextElement heading = TextElement::fixed(QString(), {x + 0.8, top, c.width - 1.6, 5}, 9);
        heading.style.bold = true;
        heading.style.alignment = c.alignment;
        heading.lines = QStringList {c.heading};
        elements.push_back(heading);
        x += c.width;
    }
    LineElement rule;
    rule.from = {0, top + 6};
    rule.to = {kWidth, top + 6};
    rule.width = 0.4;
    elements.push_back(rule);
}

void addTableRow(std::vector<ReportElement>& elements, const std::vector<ReportTable::Column>& columns,
                 const QStringList& cells, double height, bool bold)
{
    double x = 0;
    for (size_t c = 0; c < columns.size(); ++c) {
        const ReportTable::Column& column = columns[c];
        TextElement cell = TextElement::fixed(QString(), {x + 0.8, 0.6, column.width - 1.6, height - 0.6}, 9);
        cell.style.alignment = column.alignment;
        cell.style.bold = bold;
        cell.lines = QStringList {cells.value(qsizetype(c))};
        elements.push_back(cell);
        x += column.width;
    }
    LineElement rule;
    rule.from = {0, height};
    rule.to = {kWidth, height};
    rule.colour = QColor(160, 160, 160);
    rule.width = 0.15;
    elements.push_back(rule);
}

std::shared_ptr<ReportPages> tablePages(ReportTable table)
{
    BandedPages::Layout page;
    page.margins = QMarginsF(10, 10, 10, 10);
    page.headerHeight = kHeaderHeight;
    page.detailHeight = kRowHeight;
    const int count = int(table.rows.size());
    auto shared = std::make_shared<const ReportTable>(std::move(table));
    return std::make_shared<BandedPages>(
        page, [shared](int number) { return header(*shared, number); },
        [shared](int index) { return row(*shared, index); }, count);
}
