#include "ui/mainwindow/PairGroup.h"

#include "core/breeding/PairSheet.h"
#include "core/language/TextLanguage.h"
#include "core/stock/PreferencesStore.h"
#include "core/stock/StockDocument.h"
#include "reports/layouts/PairSheetReport.h"
#include "ui/breeding/CageCardDialog.h"
#include "ui/common/Choices.h"
#include "ui/common/Messages.h"
#include "ui/common/Modal.h"
#include "ui/preview/ReportPreview.h"

#include <QComboBox>
#include <QPushButton>
#include <QVBoxLayout>

PairGroup::PairGroup(const StockDocument& stock, const PreferencesStore& preferences, QWidget* parent)
    : QGroupBox(tr("Zuchtpaar zum Drucken auswählen: "), parent), m_stock(stock), m_preferences(preferences)
{
    setObjectName(QStringLiteral("pairGroup"));
    auto* layout = new QVBoxLayout(this);
    m_selector = makeListCombo(this, QStringLiteral("pairSelector"));
    m_selector->setAccessibleName(tr("Zuchtpaar"));
    auto* print = new QPushButton(tr("Zuchtpaar drucken"), this);
    print->setObjectName(QStringLiteral("printPairButton"));
    connect(print, &QPushButton::clicked, this, &PairGroup::previewSheet);
    auto* cards = new QPushButton(tr("Käfigkarten…"), this);
    cards->setObjectName(QStringLiteral("cageCardsButton"));
    cards->setToolTip(tr("Karten für die Zuchtkäfige oder einzelne Vögel, mit QR-Code der Ringnummern"));
    connect(cards, &QPushButton::clicked, this, &PairGroup::openCageCards);
    layout->addWidget(m_selector);
    layout->addWidget(print);
    layout->addWidget(cards);
}

PairGroup::~PairGroup() = default;

void PairGroup::openCageCards()
{
    CageCardDialog& dialog = lazily(m_cageCards, m_stock, m_preferences, window());
    dialog.refresh();
    showModal(&dialog);
}

void PairGroup::setPairs(const QStringList& captions)
{
    setChoices(m_selector, captions);
}

void PairGroup::previewSheet()
{
    const std::optional<int> pair = selectedPair();
    if (!pair) {
        Messages::current().inform(this, tr("Bitte Zuchtpaar auswählen, dass Sie drucken möchten."));
        return;
    }
    std::vector<ReportPage> pages;
    {
        const TextLanguage::Scope language(m_preferences.certificate().printLanguage);
        PairSheetReport report;
        report.fill(pairSheet(m_stock.animals(), m_stock.pairs().at(size_t(*pair))));
        pages.push_back(report.page());
    }
    auto* preview = new ReportPreview(std::make_shared<FixedPages>(std::move(pages)), tr("das Zuchtpaar"),
                                      tr("Zuchtpaar", "file name of the printed pair"), frontWindow(this));
    preview->show();
    preview->raise();
}

void PairGroup::clearSelection()
{
    clearChoice(m_selector);
}

std::optional<int> PairGroup::selectedPair() const
{
    if (m_selector->currentIndex() < 0)
        return std::nullopt;
    return m_selector->currentIndex();
}
