#include "reports/layouts/LocationListReport.h"

#include "reports/layouts/TableReport.h"

#include <QCoreApplication>

std::shared_ptr<ReportPages> locationListPages(const StockDocument& stock, const std::vector<LocatedBird>& birds,
                                               const QString& title)
{
    ReportTable table;
    table.title = title;
    table.subtitle = QCoreApplication::translate("LocationListReport", "Vögel in der Liste: %1").arg(birds.size());
    const QStringList headings = locationListHeadings();
    const double widths[] = {34, 20, 38, 20, 11, 35, 32};
    for (int c = 0; c < headings.size(); ++c)
        table.columns.push_back({headings[c], widths[c], Qt::AlignLeft});
    table.rows = locationListRows(stock, birds);
    return tablePages(std::move(table));
}
