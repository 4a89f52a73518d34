#include "reports/layouts/CageCardReport.h"

#include "core/model/SpeciesWords.h"
#include "reports/engine/QrCode.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr QSizeF kSheet {210.0, 297.0};
const QColor kCutColour(150, 150, 150);

// A card's sizes of type, in points, and its spacing in millimetres: the
// small cards set everything smaller, so that a pair with its clutches fits.
struct CardMetrics
{
    double padding;
    double title;
    double body;
    double small;
    double codeSide; // with the quiet zone
    int minimumClutchRows;

    double lineHeight(double points) const { return points * 0.3528 * 1.3; }
};

CardMetrics metricsOf(CageCardSize size)
{
    switch (size) {
    case CageCardSize::A6:
        return {6.0, 16, 10, 8.5, 28.0, 5};
    case CageCardSize::A7:
        return {4.0, 12, 8, 7, 22.0, 3};
    case CageCardSize::Card:
        return {3.5, 11, 7, 6, 20.0, 3};
    }
    return {4.0, 12, 8, 7, 22.0, 3};
}

QString shortDate(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yy")) : QString();
}

QString sexWord(Sex sex)
{
    switch (sex) {
    case Sex::Male:
        return QCoreApplication::translate("CageCardReport", "Hahn");
    case Sex::Female:
        return QCoreApplication::translate("CageCardReport", "Henne");
    case Sex::Unknown:
        break;
    }
    return QCoreApplication::translate("CageCardReport", "Geschlecht unbekannt");
}

QString colourAndBreed(const CageCardBird& bird)
{
    if (!bird.inStock)
        return QCoreApplication::translate("CageCardReport", "nicht im Bestand");
    if (bird.colour.isEmpty() || bird.breed.isEmpty())
        return bird.colour + bird.breed;
    //: A bird's colour and breed on one line of the cage card.
    return QCoreApplication::translate("CageCardReport", "%1, %2").arg(bird.colour, bird.breed);
}

// Lays out one card's elements, its top-left corner at `origin`.
class CardLayout
{
public:
    CardLayout(std::vector<ReportElement>& elements, QPointF origin, QSizeF size, const CardMetrics& metrics)
        : m_elements(elements), m_origin(origin), m_size(size), m_m(metrics), m_y(metrics.padding)
    { }

    void pair(const CageCard& card)
    {
        code(card.codeText());
        //: The breeding cage's word (as "Hecke") and its number, the title of a pair's cage card.
        line(QCoreApplication::translate("CageCardReport", "%1 %2").arg(SpeciesWords::cageWord()).arg(card.cage),
             m_m.title, true, textWidth());
        bird(QCoreApplication::translate("CageCardReport", "Hahn: %1").arg(card.cock.ring), colourAndBreed(card.cock));
        bird(QCoreApplication::translate("CageCardReport", "Henne: %1").arg(card.hen.ring), colourAndBreed(card.hen));
        if (card.paired.isValid())
            line(QCoreApplication::translate("CageCardReport", "Zuchtbeginn: %1")
                     .arg(card.paired.toString(QStringLiteral("dd.MM.yyyy"))),
                 m_m.small, false, textWidth());
        m_y = std::max(m_y, m_codeBottom) + 1.0;
        clutches(card.clutches);
        notes();
    }

    void bird(const CageCard& card)
    {
        code(card.codeText());
        const CageCardBird& b = card.cock;
        line(b.ring, m_m.title, true, textWidth());
        const QString year = b.birthYear > 0 ? QString::number(b.birthYear) : QString();
        //: The sex and the year of hatching on a bird's cage card.
        line(year.isEmpty()
                 ? sexWord(b.sex)
                 : QCoreApplication::translate("CageCardReport", "%1, Jahrgang %2").arg(sexWord(b.sex), year),
             m_m.body, false, textWidth());
        if (!b.colour.isEmpty())
            line(QCoreApplication::translate("CageCardReport", "Farbe: %1").arg(b.colour), m_m.body, false,
                 textWidth());
        if (!b.breed.isEmpty())
            line(QCoreApplication::translate("CageCardReport", "Rasse: %1").arg(b.breed), m_m.body, false, textWidth());
        if (!b.fatherRing.isEmpty())
            line(QCoreApplication::translate("CageCardReport", "Vater: %1").arg(b.fatherRing), m_m.small, false,
                 textWidth());
        if (!b.motherRing.isEmpty())
            line(QCoreApplication::translate("CageCardReport", "Mutter: %1").arg(b.motherRing), m_m.small, false,
                 textWidth());
        m_y = std::max(m_y, m_codeBottom) + 1.0;
        notes();
    }

private:
    double innerWidth() const { return m_size.width() - 2 * m_m.padding; }
    double textWidth() const { return innerWidth() - m_m.codeSide - 1.0; }
    double bottom() const { return m_size.height() - m_m.padding; }

    QRectF at(double x, double y, double width, double height) const
    {
        return {m_origin.x() + x, m_origin.y() + y, width, height};
    }

    void line(const QString& content, double points, bool bold, double width, double x = -1)
    {
        const double height = m_m.lineHeight(points);
        TextElement text = TextElement::fixed(QString(), at(x < 0 ? m_m.padding : x, m_y, width, height), points);
        text.style.bold = bold;
        text.style.shrinkToFit = true;
        text.lines = QStringList {content};
        m_elements.push_back(text);
        m_y += height;
    }

    void bird(const QString& ring, const QString& details)
    {
        line(ring, m_m.body, true, textWidth());
        line(details, m_m.small, false, textWidth());
    }

    // The code in the card's top-right corner, its quiet zone inside the square.
    void code(const QString& text)
    {
        const std::optional<QrCode> qr = QrCode::encode(text.toUtf8());
        const double left = m_size.width() - m_m.padding - m_m.codeSide;
        m_codeBottom = m_m.padding + m_m.codeSide;
        if (!qr)
            return;
        const double module = m_m.codeSide / (qr->size + 8);
        CodeElement element;
        element.name = QStringLiteral("code");
        element.rect = at(left + 4 * module, m_m.padding + 4 * module, qr->size * module, qr->size * module);
        element.modules = qr->size;
        element.dark = qr->dark;
        m_elements.push_back(std::move(element));
    }

    void rule(double y, double x0, double x1)
    {
        m_elements.push_back(LineElement {at(x0, y, 0, 0).topLeft(), at(x1, y, 0, 0).topLeft(), Qt::black, 0.15});
    }

    // Each clutch with its days, and blank rows to write the next ones in.
    void clutches(const std::vector<CageCardClutch>& clutches)
    {
        const QStringList headings {QCoreApplication::translate("CageCardReport", "Gelege"),
                                    QCoreApplication::translate("CageCardReport", "1. Ei"),
                                    QCoreApplication::translate("CageCardReport", "Schieren"),
                                    QCoreApplication::translate("CageCardReport", "Schlupf"),
                                    QCoreApplication::translate("CageCardReport", "Beringen")};
        const double rowHeight = m_m.lineHeight(m_m.small) + 0.6;
        const double first = innerWidth() * 0.16;
        const double column = (innerWidth() - first) / 4;
        auto row = [&](const QStringList& cells, bool bold) {
            for (int i = 0; i < cells.size(); ++i) {
                const double x = m_m.padding + (i == 0 ? 0 : first + (i - 1) * column);
                TextElement text = TextElement::fixed(
                    QString(), at(x + 0.5, m_y + 0.3, (i == 0 ? first : column) - 1.0, rowHeight), m_m.small);
                text.style.bold = bold;
                text.style.shrinkToFit = true;
                text.lines = QStringList {cells[i]};
                m_elements.push_back(text);
            }
            m_y += rowHeight;
            rule(m_y, m_m.padding, m_m.padding + innerWidth());
        };
        const double top = m_y;
        rule(m_y, m_m.padding, m_m.padding + innerWidth());
        row(headings, true);
        QStringList young;
        // A row for every clutch that fits, and at least the blank rows to fill in by hand.
        const int fitting = int((bottom() - m_y - rowHeight) / rowHeight);
        const int rows = std::min(fitting, std::max(int(clutches.size()), m_m.minimumClutchRows));
        for (int i = 0; i < rows; ++i) {
            if (size_t(i) < clutches.size()) {
                const CageCardClutch& c = clutches[size_t(i)];
                row({QString::number(i + 1), shortDate(c.firstEgg), shortDate(c.candling), shortDate(c.hatching),
                     shortDate(c.ringing)},
                    false);
                if (!c.youngRings.isEmpty())
                    //: The rings of one clutch's young: the clutch's number, then the rings.
                    young << QCoreApplication::translate("CageCardReport", "%1: %2")
                                 .arg(i + 1)
                                 .arg(c.youngRings.join(QStringLiteral(", ")));
            } else {
                row(QStringList(5, QString()), false);
            }
        }
        // The columns' edges, the table's outer ones included.
        for (int i = 0; i <= 5; ++i) {
            const double x = m_origin.x() + m_m.padding + (i == 0 ? 0 : first + (i - 1) * column);
            m_elements.push_back(LineElement {{x, m_origin.y() + top}, {x, m_origin.y() + m_y}, Qt::black, 0.15});
        }
        m_y += 0.8;
        if (!young.isEmpty() && m_y + m_m.lineHeight(m_m.small) <= bottom()) {
            const double height = std::min(bottom() - m_y, 2 * m_m.lineHeight(m_m.small));
            TextElement text = TextElement::fixed(QString(), at(m_m.padding, m_y, innerWidth(), height), m_m.small);
            text.style.wordWrap = true;
            text.style.shrinkToFit = true;
            text.lines = QStringList {
                QCoreApplication::translate("CageCardReport", "Junge: %1").arg(young.join(QStringLiteral("; ")))};
            m_elements.push_back(text);
            m_y += height;
        }
    }

    // Ruled lines down to the card's foot, to write on.
    void notes()
    {
        const double spacing = m_m.lineHeight(m_m.body) + 1.8;
        if (m_y + 2 * spacing > bottom())
            return;
        line(QCoreApplication::translate("CageCardReport", "Notizen:"), m_m.small, false, innerWidth());
        for (double y = m_y + spacing; y <= bottom(); y += spacing)
            rule(y, m_m.padding, m_m.padding + innerWidth());
    }

    std::vector<ReportElement>& m_elements;
    QPointF m_origin;
    QSizeF m_size;
    CardMetrics m_m;
    double m_y;
    double m_codeBottom = 0;
};

// Grey lines along every edge between the cards, and ticks in the margins
// where the grid ends before the sheet does.
void cuttingMarks(std::vector<ReportElement>& elements, const CageCardFormat& format, QPointF grid)
{
    const QSizeF size(format.card.width() * format.columns, format.card.height() * format.rows);
    const double right = grid.x() + size.width();
    const double foot = grid.y() + size.height();
    auto cut = [&](QPointF from, QPointF to) {
        elements.push_back(LineElement {from, to, kCutColour, 0.1});
    };
    for (int c = 0; c <= format.columns; ++c) {
        const double x = grid.x() + c * format.card.width();
        cut({x, grid.y()}, {x, foot});
        if (grid.y() >= 6.0) {
            cut({x, 2.0}, {x, grid.y() - 2.0});
            cut({x, foot + 2.0}, {x, kSheet.height() - 2.0});
        }
    }
    for (int r = 0; r <= format.rows; ++r) {
        const double y = grid.y() + r * format.card.height();
        cut({grid.x(), y}, {right, y});
        if (grid.x() >= 6.0) {
            cut({2.0, y}, {grid.x() - 2.0, y});
            cut({right + 2.0, y}, {kSheet.width() - 2.0, y});
        }
    }
}

} // namespace

QString CageCardFormat::name() const
{
    switch (size) {
    case CageCardSize::A6:
        return QCoreApplication::translate("CageCardReport", "A6 (105 × 148 mm, 4 je Blatt)");
    case CageCardSize::A7:
        return QCoreApplication::translate("CageCardReport", "A7 quer (105 × 74 mm, 8 je Blatt)");
    case CageCardSize::Card:
        return QCoreApplication::translate("CageCardReport", "Karte (85 × 55 mm, 10 je Blatt)");
    }
    return {};
}

const std::vector<CageCardFormat>& cageCardFormats()
{
    static const std::vector<CageCardFormat> formats {
        {CageCardSize::A6, "a6", {105.0, 148.0}, 2, 2},
        {CageCardSize::A7, "a7", {105.0, 74.0}, 2, 4},
        {CageCardSize::Card, "card", {85.0, 55.0}, 2, 5},
    };
    return formats;
}

const CageCardFormat& cageCardFormat(CageCardSize size)
{
    const auto& formats = cageCardFormats();
    return *std::find_if(formats.begin(), formats.end(), [size](const CageCardFormat& f) { return f.size == size; });
}

std::optional<CageCardSize> cageCardSizeOf(const QString& key)
{
    for (const CageCardFormat& format : cageCardFormats()) {
        if (key == QLatin1String(format.key))
            return format.size;
    }
    return std::nullopt;
}

std::vector<ReportPage> cageCardPages(const std::vector<CageCard>& cards, CageCardSize size)
{
    const CageCardFormat& format = cageCardFormat(size);
    const CardMetrics metrics = metricsOf(size);
    // The grid centred on the sheet.
    const QPointF grid((kSheet.width() - format.card.width() * format.columns) / 2,
                       (kSheet.height() - format.card.height() * format.rows) / 2);
    std::vector<ReportPage> pages;
    for (size_t first = 0; first < cards.size(); first += size_t(format.perSheet())) {
        ReportPage page;
        page.size = kSheet;
        cuttingMarks(page.elements, format, grid);
        for (int i = 0; i < format.perSheet() && first + size_t(i) < cards.size(); ++i) {
            const QPointF origin(grid.x() + (i % format.columns) * format.card.width(),
                                 grid.y() + (i / format.columns) * format.card.height());
            CardLayout layout(page.elements, origin, format.card, metrics);
            const CageCard& card = cards[first + size_t(i)];
            if (card.kind == CageCard::Kind::Pair)
                layout.pair(card);
            else
                layout.bird(card);
        }
        pages.push_back(std::move(page));
    }
    const int count = int(pages.size());
    for (int i = 0; i < count; ++i) {
        pages[size_t(i)].number = i + 1;
        pages[size_t(i)].count = count;
    }
    return pages;
}
