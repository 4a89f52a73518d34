#include "ui/season/SeasonStatisticsWindow.h"

#include "core/export/CsvExport.h"
#include "core/stock/StockDocument.h"
#include "ui/common/FileSaving.h"
#include "ui/common/Modal.h"
#include "ui/common/Named.h"
#include "ui/preview/ReportPreview.h"
#include "ui/season/SeasonTableWidget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

SeasonStatisticsWindow::SeasonStatisticsWindow(const StockDocument& stock, QWidget* parent)
    : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("SeasonStatisticsWindow"));
    setWindowTitle(tr("Zuchtstatistik"));
    m_season = named(new QComboBox(this), "seasonChoice", tr("Die Saison: das Jahr des Zuchtbeginns"));
    m_tabs = named(new QTabWidget(this), "statisticsTabs");
    m_pairs = named(new SeasonTableWidget(m_tabs), "pairStatistics");
    m_cocks = named(new SeasonTableWidget(m_tabs), "cockStatistics");
    m_hens = named(new SeasonTableWidget(m_tabs), "henStatistics");
    m_pairs->setAccessibleName(tr("Zahlen je Zuchtpaar"));
    m_cocks->setAccessibleName(tr("Zahlen je Hahn"));
    m_hens->setAccessibleName(tr("Zahlen je Henne"));
    m_tabs->addTab(m_pairs, tr("&Paare der Saison"));
    m_tabs->addTab(m_cocks, tr("&Hähne, alle Jahre"));
    m_tabs->addTab(m_hens, tr("H&ennen, alle Jahre"));
    auto* print = named(new QPushButton(tr("&Drucken…"), this), "printStatisticsButton");
    auto* csv = named(new QPushButton(tr("Als &CSV-Datei speichern…"), this), "saveStatisticsCsvButton");
    auto* form = new QFormLayout;
    form->addRow(tr("&Saison:"), m_season);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(csv);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
    connect(m_season, &QComboBox::currentIndexChanged, this, &SeasonStatisticsWindow::fill);
    connect(print, &QPushButton::clicked, this, &SeasonStatisticsWindow::print);
    connect(csv, &QPushButton::clicked, this, &SeasonStatisticsWindow::saveCsv);
    resize(900, 560);
}

void SeasonStatisticsWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        const QSignalBlocker quiet(m_season);
        m_season->clear();
        for (const int year : seasons(m_stock.pairs()))
            m_season->addItem(QString::number(year), year);
        m_season->addItem(tr("alle Jahre"), 0);
        m_season->setCurrentIndex(0);
        fill();
    }
    QDialog::showEvent(event);
}

void SeasonStatisticsWindow::fill()
{
    const int year = m_season->currentData().toInt();
    m_pairs->show(pairStatisticsTable(m_stock.pairs(), year == 0 ? std::nullopt : std::optional<int>(year)));
    m_cocks->show(animalStatisticsTable(m_stock.pairs(), true));
    m_hens->show(animalStatisticsTable(m_stock.pairs(), false));
}

SeasonTableWidget* SeasonStatisticsWindow::current() const
{
    return static_cast<SeasonTableWidget*>(m_tabs->currentWidget());
}

QString SeasonStatisticsWindow::subtitle() const
{
    if (current() == m_pairs)
        return tr("Saison %1").arg(m_season->currentText());
    return current() == m_cocks ? tr("Je Hahn über alle Zuchtpaare und Jahre")
                                : tr("Je Henne über alle Zuchtpaare und Jahre");
}

void SeasonStatisticsWindow::print()
{
    const std::vector<double> widths = current() == m_pairs
        ? std::vector<double> {12, 12, 32, 32, 14, 12, 18, 15, 16, 14, 14}
        : std::vector<double> {40, 16, 14, 22, 18, 20, 30, 30};
    auto* preview = new ReportPreview(seasonPages(current()->shown(), tr("Zuchtstatistik"), subtitle(), widths),
                                      tr("die Zuchtstatistik"), tr("Zuchtstatistik"), frontWindow(this));
    preview->show();
    preview->raise();
}

void SeasonStatisticsWindow::saveCsv()
{
    saveCsvFile(this, tr("Zuchtstatistik speichern"), tr("Zuchtstatistik.csv"), [this] {
        const SeasonTable table = current()->shown();
        return tableCsv(table.headings, table.rows);
    });
}
