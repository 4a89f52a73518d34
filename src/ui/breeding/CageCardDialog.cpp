#include "ui/breeding/CageCardDialog.h"

#include "core/language/TextLanguage.h"
#include "core/model/Dates.h"
#include "core/stock/PreferencesStore.h"
#include "core/stock/SelectorLists.h"
#include "core/stock/StockDocument.h"
#include "reports/layouts/CageCardReport.h"
#include "ui/common/Messages.h"
#include "ui/common/Modal.h"
#include "ui/common/Named.h"
#include "ui/preview/ReportPreview.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CageCardDialog::CageCardDialog(const StockDocument& stock, const PreferencesStore& preferences, QWidget* parent)
    : QDialog(parent), m_stock(stock), m_preferences(preferences)
{
    setObjectName(QStringLiteral("CageCardDialog"));
    setWindowTitle(tr("Käfigkarten"));
    auto* layout = new QVBoxLayout(this);

    m_byPairs = named(new QRadioButton(tr("&Zuchtpaare:"), this), "byPairs",
                      tr("Eine Karte für jeden Zuchtkäfig mit Hahn, Henne, Gelegen und ihren Tagen"));
    m_pairs = named(new QListWidget(this), "pairList", tr("Die Zuchtpaare, deren Karten gedruckt werden"));
    m_pairs->setAccessibleName(tr("Zuchtpaare"));
    auto* all = named(new QPushButton(tr("&Alle"), this), "allPairs");
    auto* none = named(new QPushButton(tr("&Keine"), this), "noPairs");
    connect(all, &QPushButton::clicked, this, [this] { checkAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { checkAll(false); });
    auto* pairButtons = new QHBoxLayout;
    pairButtons->addWidget(all);
    pairButtons->addWidget(none);
    pairButtons->addStretch();

    m_byRings = named(new QRadioButton(tr("&Einzelne Vögel, eine Ringnummer je Zeile:"), this), "byRings",
                      tr("Eine Karte für jeden Vogel mit Ring, Geschlecht, Jahrgang, Farbe, Rasse und Eltern"));
    m_rings = named(new QPlainTextEdit(this), "ringList", tr("Die Ringnummern der Vögel, eine je Zeile"));
    m_rings->setAccessibleName(tr("Ringnummern"));
    m_rings->setTabChangesFocus(true);
    m_rings->setMaximumHeight(m_rings->fontMetrics().lineSpacing() * 5);
    connect(m_rings, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_rings->toPlainText().isEmpty())
            m_byRings->setChecked(true);
    });
    connect(m_pairs, &QListWidget::itemChanged, this, [this] { m_byPairs->setChecked(true); });

    m_size
        = named(new QComboBox(this), "cardSize", tr("Wie groß die Karten sind und wie viele auf ein A4-Blatt passen"));
    for (const CageCardFormat& format : cageCardFormats())
        m_size->addItem(format.name(), int(format.size));
    m_size->setCurrentIndex(m_size->findData(int(CageCardSize::A7)));
    auto* sizeRow = new QFormLayout;
    auto* sizeLabel = new QLabel(tr("&Größe:"), this);
    sizeLabel->setBuddy(m_size);
    sizeRow->addRow(sizeLabel, m_size);

    auto* buttons = new QDialogButtonBox(this);
    auto* show = named(buttons->addButton(tr("&Vorschau"), QDialogButtonBox::AcceptRole), "previewCards",
                       tr("Die Karten in der Druckvorschau: drucken, als PDF oder PNG speichern"));
    show->setDefault(true);
    buttons->addButton(QDialogButtonBox::Close)->setText(tr("Schließen"));
    connect(show, &QPushButton::clicked, this, &CageCardDialog::preview);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    layout->addWidget(m_byPairs);
    layout->addWidget(m_pairs, 1);
    layout->addLayout(pairButtons);
    layout->addWidget(m_byRings);
    layout->addWidget(m_rings);
    layout->addLayout(sizeRow);
    layout->addWidget(buttons);
    m_byPairs->setChecked(true);
    refresh();
}

void CageCardDialog::refresh()
{
    const QSignalBlocker blocker(m_pairs);
    m_pairs->clear();
    const QStringList captions = pairCaptions(m_stock.pairs());
    const int year = QDate::currentDate().year();
    for (qsizetype i = 0; i < captions.size(); ++i) {
        const BreedingPair& pair = m_stock.pairs()[size_t(i)];
        auto* item = new QListWidgetItem(captions[i], m_pairs);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool thisSeason = pair.breedingStart != 0 && Dates::toDate(pair.breedingStart).year() == year;
        item->setCheckState(thisSeason ? Qt::Checked : Qt::Unchecked);
    }
}

void CageCardDialog::checkAll(bool checked)
{
    for (int i = 0; i < m_pairs->count(); ++i)
        m_pairs->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

std::optional<std::vector<CageCard>> CageCardDialog::chosenCards()
{
    std::vector<CageCard> cards;
    if (m_byPairs->isChecked()) {
        for (int i = 0; i < m_pairs->count() && size_t(i) < m_stock.pairs().size(); ++i) {
            if (m_pairs->item(i)->checkState() == Qt::Checked)
                cards.push_back(pairCageCard(m_stock, m_stock.pairs()[size_t(i)], m_preferences.calendar()));
        }
        if (cards.empty()) {
            Messages::current().inform(this, tr("Bitte wählen Sie mindestens ein Zuchtpaar aus."));
            return std::nullopt;
        }
        return cards;
    }
    for (const QString& line : m_rings->toPlainText().split(QLatin1Char('\n'))) {
        const QString ring = line.trimmed();
        if (ring.isEmpty())
            continue;
        std::optional<CageCard> card = birdCageCard(m_stock, ring);
        if (!card) {
            Messages::current().inform(this, tr("Die Ringnummer „%1“ ist nicht im Bestand.").arg(ring));
            return std::nullopt;
        }
        cards.push_back(std::move(*card));
    }
    if (cards.empty()) {
        Messages::current().inform(this, tr("Bitte geben Sie mindestens eine Ringnummer ein."));
        return std::nullopt;
    }
    return cards;
}

void CageCardDialog::preview()
{
    const std::optional<std::vector<CageCard>> cards = chosenCards();
    if (!cards)
        return;
    std::vector<ReportPage> pages;
    {
        const TextLanguage::Scope language(m_preferences.certificate().printLanguage);
        pages = cageCardPages(*cards, CageCardSize(m_size->currentData().toInt()));
    }
    auto* preview = new ReportPreview(std::make_shared<FixedPages>(std::move(pages)), tr("die Käfigkarten"),
                                      tr("Käfigkarten", "file name of the printed cage cards"), frontWindow(this));
    preview->show();
    preview->raise();
}
