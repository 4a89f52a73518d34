#include "ui/preview/ReportPreview.h"

#include "core/model/Dates.h"
#include "reports/engine/ReportOutput.h"
#include "ui/preview/ReportActions.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// Zoom choices: percent of the printed size; 0 whole page, -1 page width.
const std::pair<const char*, int> kZooms[] = {{QT_TRANSLATE_NOOP("ReportPreview", "Ganze Seite"), 0},
                                              {QT_TRANSLATE_NOOP("ReportPreview", "Seitenbreite"), -1},
                                              {"50 %", 50},
                                              {"75 %", 75},
                                              {"100 %", 100},
                                              {"150 %", 150},
                                              {"200 %", 200}};

} // namespace

ReportPreview::ReportPreview(std::shared_ptr<const ReportPages> pages, QString title, QString fileName, QWidget* parent)
    : QDialog(parent)
    , m_pages(std::move(pages))
    , m_title(std::move(title))
    , m_fileName(std::move(fileName))
    , m_printDate(Dates::today())
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(tr("Druckvorschau"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    QLayout* bar = buildToolBar();

    m_image = new QLabel;
    m_image->setObjectName(QStringLiteral("pageImage"));
    m_image->setAccessibleName(tr("Seite"));
    m_image->setAlignment(Qt::AlignCenter);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("pageArea"));
    m_scroll->setAccessibleName(tr("Vorschau"));
    m_scroll->setWidget(m_image);
    m_scroll->setWidgetResizable(true);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);
    resize(820, 960);
    showPage(0);
}

QLayout* ReportPreview::buildToolBar()
{
    auto* bar = new QHBoxLayout;
    m_previous = new QPushButton(tr("◀ Vorige Seite"), this);
    m_previous->setObjectName(QStringLiteral("previousPage"));
    m_next = new QPushButton(tr("Nächste Seite ▶"), this);
    m_next->setObjectName(QStringLiteral("nextPage"));
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    m_zoomChoice = new QComboBox(this);
    m_zoomChoice->setObjectName(QStringLiteral("zoomChoice"));
    for (const auto& [text, percent] : kZooms)
        m_zoomChoice->addItem(tr(text), percent);
    auto* zoomLabel = new QLabel(tr("Zoom:"), this);
    zoomLabel->setBuddy(m_zoomChoice);
    auto* print = new QPushButton(tr("Drucken"), this);
    print->setObjectName(QStringLiteral("printButton"));
    auto* pdf = new QPushButton(tr("Als PDF speichern"), this);
    pdf->setObjectName(QStringLiteral("pdfButton"));
    auto* close = new QPushButton(tr("Schließen"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    for (QWidget* w : std::initializer_list<QWidget*> {m_previous, m_pageLabel, m_next})
        bar->addWidget(w);
    bar->addSpacing(16);
    bar->addWidget(zoomLabel);
    bar->addWidget(m_zoomChoice);
    bar->addStretch();
    bar->addWidget(print);
    bar->addWidget(pdf);
    bar->addWidget(close);

    connect(m_previous, &QPushButton::clicked, this, [this] { showPage(m_current - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(m_current + 1); });
    connect(m_zoomChoice, &QComboBox::currentIndexChanged, this,
            [this] { setZoom(m_zoomChoice->currentData().toInt()); });
    connect(print, &QPushButton::clicked, this, [this] { ReportActions::print(this, *m_pages, m_title, m_fileName); });
    connect(pdf, &QPushButton::clicked, this, [this] { ReportActions::saveAsPdf(this, *m_pages, m_fileName); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    return bar;
}

void ReportPreview::showPage(int index)
{
    if (index < 0 || index >= m_pages->count())
        return;
    m_current = index;
    m_page = m_pages->page(index);
    m_pageLabel->setText(tr("Seite %1 von %2").arg(index + 1).arg(m_pages->count()));
    m_previous->setEnabled(index > 0);
    m_next->setEnabled(index + 1 < m_pages->count());
    renderCurrent();
}

void ReportPreview::setZoom(int percent)
{
    m_zoom = percent;
    const int choice = m_zoomChoice->findData(percent);
    if (choice >= 0 && choice != m_zoomChoice->currentIndex())
        m_zoomChoice->setCurrentIndex(choice);
    renderCurrent();
}

double ReportPreview::zoomFactor() const
{
    if (m_zoom > 0)
        return m_zoom / 100.0;
    const QSizeF page = m_page.size * (96.0 / 25.4);
    const QSize room = m_scroll->viewport()->size() - QSize(24, 24);
    const double width = room.width() / page.width();
    return m_zoom < 0 ? width : qMin(width, room.height() / page.height());
}

void ReportPreview::renderCurrent()
{
    // The page is drawn anew at the screen's resolution; nothing is scaled as a bitmap.
    const double ratio = devicePixelRatioF();
    const double dpi = 96.0 * qMax(0.1, zoomFactor()) * ratio;
    QImage image = ReportOutput::toImage(m_page, dpi, m_printDate);
    image.setDevicePixelRatio(ratio);
    m_image->setPixmap(QPixmap::fromImage(image));
}

void ReportPreview::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (m_zoom <= 0)
        renderCurrent();
}
