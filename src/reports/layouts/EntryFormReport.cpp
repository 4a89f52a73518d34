#include "reports/layouts/EntryFormReport.h"

#include "core/model/Dates.h"
#include "core/stock/ShowEntries.h"
#include "core/stock/StockDocument.h"
#include "reports/layouts/TableReport.h"

#include <QCoreApplication>

namespace {

constexpr double kWidth = 190.0;
constexpr double kHeaderHeight = 58.0;
constexpr double kRowHeight = 6.0;
constexpr int kSignatureRows = 4; // after the entries: space, then the line to sign on
constexpr double kColumnWidths[] = {10, 40, 38, 22, 32, 28, 20};

TextElement block(const QRectF& rect, const QStringList& lines, bool bold = false)
{
    TextElement e = TextElement::fixed(QString(), rect, 10);
    e.style.bold = bold;
    e.lines = lines;
    return e;
}

struct EntryForm
{
    ShowEvent show;
    BreederData exhibitor;
    std::vector<ReportTable::Column> columns;
    std::vector<QStringList> rows;
};

std::vector<ReportElement> header(const EntryForm& form, int pageNumber)
{
    std::vector<ReportElement> e;
    TextElement title = TextElement::fixed(QString(), {0, 0, 150, 9}, 18);
    title.style.bold = true;
    title.lines = QStringList {QCoreApplication::translate("EntryFormReport", "Ausstellungsmeldung")};
    e.push_back(title);
    e.push_back(TextElement::printDate(QString(), {kWidth, 0.5}, 9));
    TextElement page = TextElement::fixed(QString(), {150, 5, 40, 5}, 9);
    page.style.alignment = Qt::AlignRight;
    page.lines = QStringList {QCoreApplication::translate("EntryFormReport", "Seite %1").arg(pageNumber)};
    e.push_back(page);

    const ShowEvent& s = form.show;
    e.push_back(block({0, 13, 30, 30},
                      {QCoreApplication::translate("EntryFormReport", "Ausstellung:"),
                       QCoreApplication::translate("EntryFormReport", "Ort:"),
                       QCoreApplication::translate("EntryFormReport", "Datum:"),
                       QCoreApplication::translate("EntryFormReport", "Meldeschluss:"),
                       QCoreApplication::translate("EntryFormReport", "Veranstalter:")},
                      true));
    e.push_back(
        block({30, 13, 68, 30}, {s.name, s.place, Dates::local(s.date), Dates::local(s.closingDate), s.organiser}));
    const BreederData& b = form.exhibitor;
    const QString name = QStringList {b.firstName, b.lastName}.join(QLatin1Char(' ')).trimmed();
    e.push_back(block({102, 13, 88, 5}, {QCoreApplication::translate("EntryFormReport", "Aussteller")}, true));
    QStringList exhibitor {name, b.street, b.postcodeCity};
    if (!b.phone.isEmpty())
        exhibitor << QCoreApplication::translate("EntryFormReport", "Telefon: %1").arg(b.phone);
    if (!b.breederNumber.isEmpty())
        exhibitor << QCoreApplication::translate("EntryFormReport", "Züchternummer: %1").arg(b.breederNumber);
    if (!b.clubNumber.isEmpty())
        exhibitor << QCoreApplication::translate("EntryFormReport", "Vereinsnummer: %1").arg(b.clubNumber);
    e.push_back(block({102, 18.5, 88, 30}, exhibitor));

    addTableHeadings(e, form.columns, kHeaderHeight - 6.5);
    return e;
}

std::vector<ReportElement> row(const EntryForm& form, int index)
{
    std::vector<ReportElement> e;
    const int entries = int(form.rows.size());
    if (index >= entries) {
        if (index == entries + kSignatureRows - 1) {
            e.push_back(
                block({0, 0.8, 95, kRowHeight - 0.8},
                      {QCoreApplication::translate("EntryFormReport", "Datum und Unterschrift des Ausstellers:")}));
            LineElement line;
            line.from = {100, kRowHeight - 0.5};
            line.to = {kWidth, kRowHeight - 0.5};
            line.width = 0.3;
            e.push_back(line);
        }
        return e;
    }
    addTableRow(e, form.columns, form.rows[size_t(index)], kRowHeight);
    return e;
}

} // namespace

std::shared_ptr<ReportPages> entryFormPages(const StockDocument& stock, const ShowEvent& show,
                                            const std::vector<ShowEntry>& entries)
{
    auto form = std::make_shared<EntryForm>(EntryForm {show, stock.breeder(), {}, entryListRows(stock, entries, true)});
    const QStringList headings = entryListHeadings(true);
    for (size_t c = 0; c < std::size(kColumnWidths); ++c)
        form->columns.push_back({headings.value(qsizetype(c)), kColumnWidths[c], Qt::AlignLeft});
    BandedPages::Layout page;
    page.margins = QMarginsF(10, 10, 10, 10);
    page.headerHeight = kHeaderHeight;
    page.detailHeight = kRowHeight;
    const int count = int(form->rows.size()) + kSignatureRows;
    return std::make_shared<BandedPages>(
        page, [form](int number) { return header(*form, number); }, [form](int index) { return row(*form, index); },
        count);
}
