#include "ui/genetics/ExpectedYoungView.h"

#include "core/genetics/FactorTable.h"
#include "ui/common/Named.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Factor keys as German sentences name them: "braun, opal"; two on one Z joined by "+".
QString names(const QStringList& keys)
{
    const FactorTable& table = FactorTable::canary();
    QStringList named;
    for (const QString& key : keys) {
        QStringList parts;
        for (const QString& part : key.split(QLatin1Char('+'))) {
            const int f = table.find(part);
            parts << (f < 0 ? part : table.factor(f).shownName());
        }
        named << parts.join(QLatin1Char('+'));
    }
    return named.join(QStringLiteral(", "));
}

} // namespace

QString sharePercent(double share)
{
    const double percent = share * 100;
    const bool whole = std::abs(percent - std::round(percent)) < 0.05;
    return QLocale(QLocale::German).toString(percent, 'f', whole ? 0 : 1) + QStringLiteral(" %");
}

void ExpectedYoungModel::setKinds(std::vector<YoungKind> kinds)
{
    beginResetModel();
    m_kinds = std::move(kinds);
    endResetModel();
}

int ExpectedYoungModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_kinds.size());
}

int ExpectedYoungModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 5;
}

QVariant ExpectedYoungModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || index.row() < 0 || index.row() >= rowCount())
        return {};
    const YoungKind& kind = m_kinds[size_t(index.row())];
    switch (index.column()) {
    case 0:
        return kind.male ? tr("Hahn") : tr("Henne");
    case 1:
        return sharePercent(kind.share);
    case 2:
        return kind.colour;
    case 3:
        return names(kind.visual);
    default:
        return names(kind.carried.split(QLatin1Char(','), Qt::SkipEmptyParts));
    }
}

QVariant ExpectedYoungModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const QString headings[] = {tr("Geschlecht"), tr("Anteil"), tr("Farbe"), tr("sichtbar"), tr("spalterbig")};
    return section >= 0 && section < 5 ? headings[section] : QVariant();
}

ExpectedYoungView::ExpectedYoungView(QWidget* parent) : QWidget(parent)
{
    m_model = new ExpectedYoungModel(this);
    m_table = named(new QTableView(this), "expectedYoungTable",
                    tr("Die Jungen, die das Paar erwarten lässt, nach Geschlecht und Anteil"));
    m_table->setAccessibleName(tr("Erwartete Jungen"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_notes = named(new QLabel(this), "expectedYoungNotes");
    m_notes->setWordWrap(true);
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_notes);
}

void ExpectedYoungView::show(const Pairing& pairing)
{
    if (!pairing.young) {
        clear(pairing.problem);
        return;
    }
    m_model->setKinds(pairing.young->kinds);
    m_table->resizeColumnsToContents();
    m_notes->setText(pairing.young->warnings.join(QLatin1Char('\n')));
}

void ExpectedYoungView::clear(const QString& note)
{
    m_model->setKinds({});
    m_notes->setText(note);
}

QString ExpectedYoungView::notes() const
{
    return m_notes->text();
}
