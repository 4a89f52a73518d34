#include "reports/layouts/ShowLabelReport.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

const QSizeF kSheet(210.0, 297.0);
constexpr double kPadding = 4.0; // inside each label: printers do not reach its very edge

TextElement line(const QRectF& rect, double pointSize, const QString& text, bool bold = false,
                 Qt::Alignment alignment = Qt::AlignLeft)
{
    TextElement e = TextElement::fixed(QString(), rect, pointSize);
    e.style.bold = bold;
    e.style.alignment = alignment;
    e.lines = QStringList {text};
    return e;
}

void label(std::vector<ReportElement>& elements, const QRectF& area, const ShowEvent& show, const ShowEntry& entry)
{
    const QRectF inner = area.adjusted(kPadding, kPadding, -kPadding, -kPadding);
    const double w = inner.width();
    const QString year = show.date.isValid() ? QString::number(show.date.year()) : QString();
    elements.push_back(line({inner.left(), inner.top(), w - 14, 5}, 10, show.name, true));
    elements.push_back(line({inner.right() - 14, inner.top(), 14, 5}, 10, year, true, Qt::AlignRight));
    const QString showClass = QCoreApplication::translate("ShowLabelReport", "Klasse: %1").arg(entry.showClass);
    elements.push_back(line({inner.left(), inner.top() + 6, w, 5}, 9, showClass));
    if (entry.collection)
        elements.push_back(
            line({inner.left(), inner.top() + 11, w, 5}, 9,
                 QCoreApplication::translate("ShowLabelReport", "Kollektion %1").arg(*entry.collection)));
    // The cage number large, for the stewards; a line to write it on while the show has not given it.
    const double numberTop = inner.bottom() - 12;
    elements.push_back(
        line({inner.left(), numberTop + 3, 22, 6}, 9, QCoreApplication::translate("ShowLabelReport", "Käfig-Nr.")));
    if (entry.cageNumber) {
        elements.push_back(line({inner.left() + 22, numberTop, w - 22, 12}, 24, QString::number(*entry.cageNumber),
                                true, Qt::AlignRight | Qt::AlignVCenter));
    } else {
        LineElement blank;
        blank.from = {inner.left() + 24, inner.bottom() - 1.5};
        blank.to = {inner.right(), inner.bottom() - 1.5};
        blank.width = 0.3;
        elements.push_back(blank);
    }
}

} // namespace

QString LabelSheetFormat::name() const
{
    switch (sheet) {
    case LabelSheet::ThreeByEight:
        return QCoreApplication::translate("ShowLabelReport", "3 × 8 Etiketten je Blatt (70 × 37 mm)");
    case LabelSheet::ThreeBySeven:
        return QCoreApplication::translate("ShowLabelReport", "3 × 7 Etiketten je Blatt (70 × 42,3 mm)");
    }
    return {};
}

const std::vector<LabelSheetFormat>& labelSheetFormats()
{
    static const std::vector<LabelSheetFormat> formats = {
        {LabelSheet::ThreeByEight, "3x8", {70.0, 37.0}, 3, 8},
        {LabelSheet::ThreeBySeven, "3x7", {70.0, 42.3}, 3, 7},
    };
    return formats;
}

std::optional<LabelSheet> labelSheetOf(const QString& key)
{
    for (const LabelSheetFormat& f : labelSheetFormats()) {
        if (key == QLatin1String(f.key))
            return f.sheet;
    }
    return std::nullopt;
}

std::vector<ReportPage> showLabelPages(const ShowEvent& show, const std::vector<ShowEntry>& entries, LabelSheet sheet)
{
    const LabelSheetFormat& format = *std::find_if(labelSheetFormats().begin(), labelSheetFormats().end(),
                                                   [sheet](const LabelSheetFormat& f) { return f.sheet == sheet; });
    // The sheets' labels reach the paper's edges; what is left over is shared above and below.
    const QPointF grid((kSheet.width() - format.label.width() * format.columns) / 2,
                       (kSheet.height() - format.label.height() * format.rows) / 2);
    std::vector<ReportPage> pages;
    for (size_t first = 0; first < entries.size(); first += size_t(format.perSheet())) {
        ReportPage page;
        page.size = kSheet;
        for (int i = 0; i < format.perSheet() && first + size_t(i) < entries.size(); ++i) {
            const QPointF origin(grid.x() + (i % format.columns) * format.label.width(),
                                 grid.y() + (i / format.columns) * format.label.height());
            label(page.elements, QRectF(origin, format.label), show, entries[first + size_t(i)]);
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
