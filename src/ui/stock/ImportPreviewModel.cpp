#include "ui/stock/ImportPreviewModel.h"

#include <QBrush>
#include <QColor>

void ImportPreviewModel::setPlan(const ImportPlan* plan)
{
    beginResetModel();
    m_plan = plan;
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_plan ? 0 : int(m_plan->rows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QString ImportPreviewModel::outcome(const ImportRow& row)
{
    QString text;
    switch (row.status) {
    case ImportRow::Status::New:
        text = tr("neu");
        break;
    case ImportRow::Status::Changed:
        text = tr("ändert %1").arg(row.changedFields.join(QStringLiteral(", ")));
        break;
    case ImportRow::Status::Unchanged:
        text = tr("unverändert");
        break;
    case ImportRow::Status::Error:
        text = tr("Fehler: %1").arg(row.problem);
        break;
    }
    if (!row.keptFields.isEmpty())
        text += QStringLiteral("; ")
            + tr("anders in der Datei, behalten: %1").arg(row.keptFields.join(QStringLiteral(", ")));
    for (const QString& note : row.notes)
        text += QStringLiteral("; ") + note;
    return text;
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const
{
    if (!m_plan || !index.isValid() || size_t(index.row()) >= m_plan->rows.size())
        return {};
    const ImportRow& row = m_plan->rows[size_t(index.row())];
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        switch (index.column()) {
        case 0:
            return row.line;
        case 1:
            return row.ring;
        default:
            return outcome(row);
        }
    }
    if (role == Qt::ToolTipRole && index.column() == 2)
        return outcome(row);
    if (role == Qt::ForegroundRole && row.status == ImportRow::Status::Error)
        return QBrush(QColor(0xB0, 0x00, 0x20));
    return {};
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return tr("Zeile");
    case 1:
        return tr("Ringnummer");
    default:
        return tr("Ergebnis");
    }
}
