#include "core/stocklist/StockList.h"

#include "core/files/ByteWriter.h"
#include "core/files/Windows1252.h"
#include "core/model/Alphabetical.h"
#include "core/model/SpeciesWords.h"
#include "core/stock/StockDocument.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDate>
#include <QHash>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <numeric>

namespace {

bool isListed(const Animal& a)
{
    return a.active == 1 && a.sold == 0;
}

bool isListed(const Animal& a, const std::optional<QString>& breed)
{
    return isListed(a) && (!breed || a.breed == *breed);
}

// The listed animals, oldest birth year first and in table order within a year.
std::vector<qsizetype> byBirthYear(const AnimalTable& animals, const std::optional<QString>& breed)
{
    std::vector<qsizetype> order;
    for (size_t i = 0; i < animals.size(); ++i) {
        if (isListed(animals[i], breed))
            order.push_back(qsizetype(i));
    }
    // A stable sort by year gives what walking the years one by one gives, without
    // walking two billion of them when a file holds an odd year.
    std::stable_sort(order.begin(), order.end(), [&animals](qsizetype a, qsizetype b) {
        return animals[size_t(a)].birthYear < animals[size_t(b)].birthYear;
    });
    return order;
}

// The page goes straight to the file in its Windows-1252 bytes, block by
// block: a large stock's page is never held whole, neither as text nor as bytes.
class HtmlBytes
{
public:
    explicit HtmlBytes(QIODevice& device) : m_out(device) { }

    HtmlBytes& raw(const char* ascii)
    {
        m_out.writeBytes(ascii, qsizetype(std::strlen(ascii)));
        return *this;
    }

    // A text from the stock: escaped, so it cannot add markup, and what the
    // code page lacks written as a character reference instead of lost.
    HtmlBytes& text(const QString& text)
    {
        for (auto it = text.cbegin(); it != text.cend(); ++it) {
            char32_t c = it->unicode();
            if (it->isHighSurrogate() && it + 1 != text.cend() && (it + 1)->isLowSurrogate()) {
                c = QChar::surrogateToUcs4(it[0], it[1]);
                ++it;
            }
            switch (c) {
            case '&':
                raw("&amp;");
                break;
            case '<':
                raw("&lt;");
                break;
            case '>':
                raw("&gt;");
                break;
            case '"':
                raw("&quot;");
                break;
            default:
                if (const std::optional<char> byte = Windows1252::byteOf(c))
                    m_out.writeU8(quint8(*byte));
                else
                    raw(("&#" + QByteArray::number(quint32(c)) + ';').constData());
            }
        }
        return *this;
    }

    HtmlBytes& number(qint64 value, int width = 0)
    {
        char digits[24];
        const int n = std::snprintf(digits, sizeof digits, "%0*lld", width, static_cast<long long>(value));
        m_out.writeBytes(digits, n);
        return *this;
    }

    bool finish() { return m_out.finish(); }

private:
    ByteWriter m_out;
};

constexpr char kCell[] = "<td align=\"center\" bgcolor=\"#ffffff\">";

void htmlRow(HtmlBytes& html, const Animal& a, int number)
{
    html.raw("<tr>").raw(kCell).number(number, 4).raw("</td>").raw(kCell).text(a.ringNumber).raw("</td>");
    html.raw(kCell).text(a.colour).raw("</td>").raw(kCell).number(a.birthYear).raw("</td>");
    html.raw(kCell).text(a.breed).raw("</td>").raw(kCell).text(a.listRemarks).raw("</td>");
    html.raw(kCell).text(sexMark(a.sex)).raw("</td></tr>");
}

void htmlHead(HtmlBytes& html, StockListOrder order, const QString& date)
{
    html.raw("<html><head><title>");
    html.text(
        order == StockListOrder::ByRing
            ? QCoreApplication::translate("StockList", "Export der Kanarienvögelbestandsliste sortiert nach Ringnummer")
            : QCoreApplication::translate("StockList",
                                          "Export der Kanarienvögelbestandsliste sortiert nach Geburtsdatum"));
    html.raw("</title><style type=\"text/css\"> <!--body {color: #000000;font-family: Arial;--->"
             "</style></head><body><table cellspacing=\"1\" cellpadding=\"3\" bgcolor=\"#000000\" "
             "width=\"98%\"><tr><td colspan=\"7\" align=\"center\" bgcolor=\"#ffffff\"><font size=\"5\">");
    html.text(SpeciesWords::stockList())
        .raw("</font></td></tr><tr><td colspan=\"7\" align=\"center\" "
             "bgcolor=\"#ffffff\"><font size=\"2\">");
    // The link sits where the sentence puts %2.
    //: %1 is the date, %2 the program's name as a link
    const QString created = QCoreApplication::translate("StockList", "erstellt am %1 mit %2");
    const qsizetype link = created.indexOf(QLatin1String("%2"));
    html.text(QString(created.left(link)).replace(QLatin1String("%1"), date));
    html.raw("<a href=\"").text(SpeciesWords::WebAddress).raw("\">");
    html.text(SpeciesWords::title()).raw("</a>");
    html.text(QString(created.mid(link + 2)).replace(QLatin1String("%1"), date));
    html.raw("</font></td></tr><tr>");
    static const char* const kHeadings[]
        = {QT_TRANSLATE_NOOP("StockList", "Lfd. Nr"),   QT_TRANSLATE_NOOP("StockList", "Ring-Nr"),
           QT_TRANSLATE_NOOP("StockList", "Farbe"),     QT_TRANSLATE_NOOP("StockList", "Geburtsjahr"),
           QT_TRANSLATE_NOOP("StockList", "Art/Rasse"), QT_TRANSLATE_NOOP("StockList", "Bemerkungen"),
           QT_TRANSLATE_NOOP("StockList", "Geschlecht")};
    for (const char* word : kHeadings)
        html.raw("<td align=\"center\" bgcolor=\"#ffffff\"><b>")
            .text(QCoreApplication::translate("StockList", word))
            .raw("</b></td>");
    html.raw("</tr>");
}

} // namespace

QString sexMark(Sex sex)
{
    switch (sex) {
    case Sex::Unknown:
        //: sex unknown, in the stock list
        return QCoreApplication::translate("StockList", "[U] ");
    case Sex::Male:
        //: male, in the stock list
        return QCoreApplication::translate("StockList", "[M] ");
    case Sex::Female:
        //: female, in the stock list
        return QCoreApplication::translate("StockList", "[W] ");
    }
    return {};
}

QString headText(const Animal& a)
{
    QString head;
    head.reserve(64 + a.listRemarks.size() + a.breed.size());
    head.append(a.ringNumber).append(u" (").append(a.colour).append(u" [").append(a.markings).append(u"])");
    if (head.size() <= 41)
        head.append(QString(42 - head.size(), QLatin1Char(' ')));
    return head;
}

QString itemText(const Animal& a, StockListLayout layout)
{
    QString item = headText(a);
    if (layout == StockListLayout::OneLine)
        return item.append(a.listRemarks);
    item.append(u" (").append(QString::number(a.birthYear)).append(u") ").append(a.breed);
    return item.append(u"\r\n       ").append(sexMark(a.sex)).append(a.listRemarks);
}

QStringList numbered(QStringList items)
{
    for (qsizetype i = 0; i < items.size(); ++i) {
        QString number = QString::number(i + 1);
        if (number.size() < 4)
            number.prepend(QString(4 - number.size(), QLatin1Char('0')));
        items[i].prepend(number.append(u"   "));
    }
    return items;
}

QString stockListTitle(const std::optional<QString>& breed)
{
    //: %1 is a breed
    return breed ? QCoreApplication::translate("StockList", "%1-Liste").arg(*breed) : SpeciesWords::stockList();
}

std::vector<qsizetype> listedPositions(const AnimalTable& animals, StockListOrder order, StockListLayout layout,
                                       const std::optional<QString>& breed)
{
    if (order == StockListOrder::ByBirthYear)
        return byBirthYear(animals, breed);
    std::vector<qsizetype> listed;
    QStringList texts;
    for (size_t i = 0; i < animals.size(); ++i) {
        if (isListed(animals[i], breed)) {
            listed.push_back(qsizetype(i));
            texts.append(itemText(animals[i], layout));
        }
    }
    // Entries differ early (they start with the ring), so comparing them beats making sort keys.
    std::vector<qsizetype> sorted(listed.size());
    std::iota(sorted.begin(), sorted.end(), 0);
    const QCollator& collator = alphabeticalCollator();
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&](qsizetype a, qsizetype b) { return collator.compare(texts[a], texts[b]) < 0; });
    for (qsizetype& i : sorted)
        i = listed[size_t(i)];
    return sorted;
}

QStringList stockListItems(const AnimalTable& animals, StockListOrder order, StockListLayout layout,
                           const std::optional<QString>& breed)
{
    QStringList items;
    for (const qsizetype i : listedPositions(animals, order, layout, breed))
        items.append(itemText(animals[size_t(i)], layout));
    return numbered(std::move(items));
}

bool writeStockListHtml(QIODevice& device, const AnimalTable& animals, StockListOrder order, const QString& date)
{
    HtmlBytes html(device);
    htmlHead(html, order, date);
    if (order == StockListOrder::ByBirthYear) {
        int number = 0;
        for (const qsizetype i : byBirthYear(animals, std::nullopt))
            htmlRow(html, animals[size_t(i)], ++number);
    } else {
        // One entry per listed ring in alphabetical order; each entry lists every
        // animal with that ring under its number, so a ring two animals share
        // lists both twice.
        QStringList rings;
        QHash<QString, std::vector<qsizetype>> withRing;
        for (size_t i = 0; i < animals.size(); ++i) {
            if (isListed(animals[i])) {
                rings.append(animals[i].ringNumber);
                withRing[animals[i].ringNumber].push_back(qsizetype(i));
            }
        }
        sortAlphabetically(rings);
        for (qsizetype j = 0; j < rings.size(); ++j) {
            for (const qsizetype i : withRing.value(rings[j]))
                htmlRow(html, animals[size_t(i)], int(j + 1));
        }
    }
    html.raw("</table></body></html>\r\n");
    return html.finish();
}

QStringList stockListEntries(const StockDocument& stock, const StockListRequest& request)
{
    return stockListItems(stock.animals(), request.order, request.layout, request.breed);
}

bool writeStockListHtml(const StockDocument& stock, QIODevice& device, StockListOrder order)
{
    return writeStockListHtml(device, stock.animals(), order, stockListHtmlDate());
}

void markListed(StockDocument& stock, const StockListRequest& request)
{
    if (request.order == StockListOrder::ByBirthYear)
        stock.unmarkForYearList(request.breed);
}

QString stockListHtmlDate()
{
    return QDate::currentDate().toString(QStringLiteral("dd.MM.yy"));
}
