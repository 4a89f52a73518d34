#include "ui/stock/LocationPanel.h"

#include "core/model/Dates.h"
#include "ui/common/Named.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

LocationPanel::LocationPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("locationPanel"));
    m_location = named(new QComboBox(this), "location",
                       tr("Käfig, Voliere oder Raum, in dem der Vogel sitzt; leer, wenn er keinen Platz hat"));
    m_location->setEditable(true);
    m_location->setInsertPolicy(QComboBox::NoInsert);
    m_since = named(new QLineEdit(this), "locationSince",
                    tr("Seit wann der Vogel dort sitzt, im Format TT.MM.JJJJ; leer: heute"));
    m_since->setPlaceholderText(tr("TT.MM.JJJJ"));
    m_history
        = named(new QTreeWidget(this), "locationHistory", tr("Wo der Vogel bisher saß, mit dem Tag des Umsetzens"));
    m_history->setRootIsDecorated(false);
    m_history->setHeaderLabels({tr("seit"), tr("Standort")});
    m_history->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    outer->addLayout(form);
    form->addRow(tr("S&tandort:"), m_location);
    form->addRow(tr("s&eit:"), m_since);
    auto* label = new QLabel(tr("&Bisherige Standorte:"), this);
    label->setBuddy(m_history);
    outer->addWidget(label);
    outer->addWidget(m_history, 1);
    // A new place starts today unless the breeder types another day.
    connect(m_location, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        const bool moved = text.trimmed() != m_current;
        if (m_since->text() == (moved ? m_currentSince : Dates::local(QDate::currentDate())))
            m_since->setText(moved ? Dates::local(QDate::currentDate()) : m_currentSince);
    });
}

void LocationPanel::clear()
{
    show(QString(), {}, {});
}

void LocationPanel::show(const QString& ring, const std::vector<LocationMove>& moves, const QStringList& offered)
{
    m_ring = ring;
    m_current = moves.empty() ? QString() : moves.back().location;
    m_currentSince = moves.empty() ? QString() : Dates::local(moves.back().date);
    m_since->setText(m_currentSince);
    m_location->clear();
    m_location->addItems(offered);
    m_location->setCurrentText(m_current);
    m_history->clear();
    for (auto move = moves.rbegin(); move != moves.rend(); ++move) {
        const QString place = move->location.isEmpty() ? tr("(ohne Standort)") : move->location;
        m_history->addTopLevelItem(new QTreeWidgetItem({Dates::local(move->date), place}));
    }
}

std::optional<LocationMove> LocationPanel::input(QString& problem) const
{
    const QString place = m_location->currentText().trimmed();
    if (place == m_current)
        return std::nullopt;
    LocationMove move {0, m_ring, QDate::currentDate(), place};
    if (!m_since->text().trimmed().isEmpty()) {
        const std::optional<double> days = Dates::parseLocal(m_since->text());
        if (!days) {
            problem = tr("Ungültiges Datum beim Standort!");
            return std::nullopt;
        }
        move.date = Dates::toDate(*days);
    }
    return move;
}
