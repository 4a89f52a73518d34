#include "ui/stock/WhereaboutsPanel.h"

#include "core/model/Dates.h"
#include "ui/common/Named.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

constexpr WhereaboutsStatus kStatuses[]
    = {WhereaboutsStatus::InStock, WhereaboutsStatus::Sold, WhereaboutsStatus::GivenAway, WhereaboutsStatus::Died,
       WhereaboutsStatus::FlewOff};

} // namespace

WhereaboutsPanel::WhereaboutsPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("whereaboutsPanel"));
    m_status = named(new QComboBox(this), "whereaboutsStatus", tr("Was aus dem Vogel geworden ist"));
    for (const WhereaboutsStatus status : kStatuses)
        m_status->addItem(AnimalRecordWords::statusText(status));
    m_date = named(new QLineEdit(this), "whereaboutsDate", tr("Seit wann, im Format TT.MM.JJJJ; leer, wenn unbekannt"));
    m_date->setPlaceholderText(tr("TT.MM.JJJJ"));
    m_buyerName = named(new QLineEdit(this), "buyerName", tr("Wer den Vogel bekommen hat"));
    m_buyerAddress = named(new QPlainTextEdit(this), "buyerAddress", tr("Anschrift des Käufers"));
    m_buyerAddress->setTabChangesFocus(true);
    m_buyerAddress->setFixedHeight(60);
    m_price = named(new QLineEdit(this), "salePrice", tr("Der Preis in Euro, etwa 45,50"));
    m_price->setPlaceholderText(tr("0,00"));
    m_note = named(new QLineEdit(this), "whereaboutsNote", tr("Eine Notiz zum Verbleib"));
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    outer->addLayout(form);
    outer->addStretch();
    form->addRow(tr("&Verbleib:"), m_status);
    form->addRow(tr("&Datum:"), m_date);
    form->addRow(tr("&Käufer:"), m_buyerName);
    form->addRow(tr("&Anschrift:"), m_buyerAddress);
    form->addRow(tr("&Preis (€):"), m_price);
    form->addRow(tr("&Notiz:"), m_note);
    connect(m_status, &QComboBox::currentIndexChanged, this, [this] {
        enableFields();
        emit statusChanged(status());
    });
    enableFields();
}

void WhereaboutsPanel::enableFields()
{
    Whereabouts current;
    current.status = status();
    m_buyerName->setEnabled(current.hasBuyer());
    m_buyerAddress->setEnabled(current.hasBuyer());
    m_price->setEnabled(current.status == WhereaboutsStatus::Sold);
}

WhereaboutsStatus WhereaboutsPanel::status() const
{
    return kStatuses[qBound(0, m_status->currentIndex(), 4)];
}

void WhereaboutsPanel::setStatus(WhereaboutsStatus status)
{
    m_status->setCurrentIndex(int(status));
}

void WhereaboutsPanel::clear()
{
    show(QString(), std::nullopt);
}

void WhereaboutsPanel::show(const QString& ring, const std::optional<Whereabouts>& stored)
{
    m_ring = ring;
    const Whereabouts w = stored.value_or(Whereabouts());
    const QSignalBlocker quiet(m_status); // showing is no change of the breeder's
    setStatus(w.status);
    m_date->setText(Dates::local(w.date));
    m_buyerName->setText(w.buyerName);
    m_buyerAddress->setPlainText(w.buyerAddress);
    m_price->setText(w.priceCents ? AnimalRecordWords::price(*w.priceCents) : QString());
    m_note->setText(w.note);
    enableFields();
}

std::optional<Whereabouts> WhereaboutsPanel::input(QString& problem) const
{
    Whereabouts w;
    w.ring = m_ring;
    w.status = status();
    if (!m_date->text().trimmed().isEmpty()) {
        const std::optional<double> days = Dates::parseLocal(m_date->text());
        if (!days) {
            problem = tr("Ungültiges Datum beim Verbleib!");
            return std::nullopt;
        }
        w.date = Dates::toDate(*days);
    }
    // Fields that do not belong to the status are not kept, so nothing stale is stored.
    if (w.hasBuyer()) {
        w.buyerName = m_buyerName->text().trimmed();
        w.buyerAddress = m_buyerAddress->toPlainText().trimmed();
    }
    if (w.status == WhereaboutsStatus::Sold && !m_price->text().trimmed().isEmpty()) {
        w.priceCents = AnimalRecordWords::parsePrice(m_price->text());
        if (!w.priceCents) {
            problem = tr("Ungültiger Preis! Bitte den Betrag in Euro angeben, etwa 45,50.");
            return std::nullopt;
        }
    }
    w.note = m_note->text();
    return w;
}
