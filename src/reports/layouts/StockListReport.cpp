#include "reports/layouts/StockListReport.h"

#include <QCoreApplication>

namespace {

constexpr double kBandWidth = 190.0;

TextElement text(QPointF at, double pointSize, const QString& content, bool bold = false)
{
    TextElement t = TextElement::autoSized(QString(), at, pointSize, content);
    t.style.bold = bold;
    return t;
}

LineElement line(QPointF from, QPointF to)
{
    LineElement l;
    l.from = from;
    l.to = to;
    return l;
}

std::vector<ReportElement> header(int pageNumber, const QString& title, StockListLayout layout)
{
    std::vector<ReportElement> e;
    RectElement frame;
    frame.rect = QRectF(0, 0, kBandWidth, 27.0);
    e.push_back(frame);
    TextElement page = TextElement::fixed(QString(), {1.1, 1.1, 40.2, 4.5}, 10);
    page.lines = QStringList {QCoreApplication::translate("StockListReport", "Seite: %1").arg(pageNumber)};
    e.push_back(page);
    TextElement caption = TextElement::fixed(QString(), {42.3, 1.1, 114.6, 9.8}, 24);
    caption.style.alignment = Qt::AlignHCenter;
    caption.lines = QStringList {title};
    e.push_back(caption);
    e.push_back(TextElement::printDate(QString(), {189.2, 0.5}, 10));
    e.push_back(line({0, 14.8}, {kBandWidth, 14.8}));
    e.push_back(text({2.1, 15.6}, 12, QCoreApplication::translate("StockListReport", "Lfd."), true));
    e.push_back(text({2.1, 20.6}, 12, QCoreApplication::translate("StockListReport", "Nr."), true));
    e.push_back(text({16.9, 15.6}, 12, QCoreApplication::translate("StockListReport", "Ringnummer, Farbe"), true));
    if (layout == StockListLayout::OneLine) {
        e.push_back(text({104.2, 15.6}, 12, QCoreApplication::translate("StockListReport", " Bemerkungen"), true));
    } else {
        e.push_back(
            text({16.9, 20.6}, 12, QCoreApplication::translate("StockListReport", "Geschlecht, Bemerkungen"), true));
        e.push_back(
            text({107.7, 15.6}, 12, QCoreApplication::translate("StockListReport", "Geburtsjahr, Art / Rasse"), true));
    }
    return e;
}

std::vector<ReportElement> detail(const QString& item, double height, double textHeight)
{
    std::vector<ReportElement> e;
    // Framed left, right and bottom: the band above closes the top.
    e.push_back(line({0, 0}, {0, height}));
    e.push_back(line({kBandWidth, 0}, {kBandWidth, height}));
    e.push_back(line({0, height}, {kBandWidth, height}));
    TextElement field = TextElement::fixed(QString(), {2.1, 0.3, 185.2, textHeight}, 10);
    field.style.family = QStringLiteral("Courier New");
    field.style.wordWrap = true;
    field.lines = item.split(QStringLiteral("\r\n"));
    e.push_back(field);
    return e;
}

} // namespace

std::shared_ptr<ReportPages> stockListPages(QStringList items, StockListLayout layout, const QString& title)
{
    const bool oneLine = layout == StockListLayout::OneLine;
    BandedPages::Layout page;
    page.margins = QMarginsF(10, 10, 10, 10);
    page.headerHeight = 27.0;
    page.detailHeight = oneLine ? 5.6 : 10.3;
    const double textHeight = oneLine ? 4.5 : 9.5;
    const int count = int(items.size());
    return std::make_shared<BandedPages>(
        page, [title, layout](int number) { return header(number, title, layout); },
        [items = std::move(items), height = page.detailHeight, textHeight](int i) {
            return detail(items[i], height, textHeight);
        },
        count);
}

std::shared_ptr<ReportPages> stockListPages(const StockDocument& stock, const StockListRequest& request)
{
    return stockListPages(stockListEntries(stock, request), request.layout, stockListTitle(request.breed));
}
