#include "ui/stock/DataCheckDialog.h"

#include "core/analysis/DataCheck.h"
#include "core/stock/StockDocument.h"
#include "reports/engine/PictureDecoder.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QVBoxLayout>

DataCheckDialog::DataCheckDialog(const StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("DataCheckDialog"));
    setWindowTitle(tr("Datenprüfung"));
    auto* layout = new QVBoxLayout(this);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summaryLabel"));
    m_findings = new QPlainTextEdit(this);
    m_findings->setObjectName(QStringLiteral("findingsText"));
    m_findings->setAccessibleName(tr("Gefundenes"));
    m_findings->setReadOnly(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(m_summary);
    layout->addWidget(m_findings, 1);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(720, 480);
}

void DataCheckDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        const QStringList findings = checkStock(m_stock, [](const QString& path) { return decodePicture(path).error; });
        m_summary->setText(findings.isEmpty() ? tr("Keine Auffälligkeiten gefunden.")
                                              : tr("%1 Auffälligkeiten gefunden:").arg(findings.size()));
        m_findings->setPlainText(findings.join(QLatin1Char('\n')));
    }
    QDialog::showEvent(event);
}
