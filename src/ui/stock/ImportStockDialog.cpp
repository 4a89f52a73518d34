#include "ui/stock/ImportStockDialog.h"

#include "core/import/PedigreeImport.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"
#include "ui/common/Messages.h"
#include "ui/common/Named.h"
#include "ui/common/Prompts.h"
#include "ui/common/UndoShortcuts.h"
#include "ui/stock/ImportPreviewModel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

ImportStockDialog::ImportStockDialog(StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("ImportStockDialog"));
    setWindowTitle(tr("Bestand importieren"));
    auto* layout = new QVBoxLayout(this);

    auto* fileRow = new QHBoxLayout;
    m_file = named(new QLabel(tr("Noch keine Datei gewählt."), this), "importFileLabel");
    auto* choose = named(new QPushButton(tr("&Datei wählen…"), this), "chooseImportFileButton");
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(choose);
    layout->addLayout(fileRow);

    auto* columnsLabel = new QLabel(tr("&Spalten der Datei und was sie enthalten:"), this);
    m_columns = named(new QTableWidget(0, 3, this), "importColumns");
    m_columns->setHorizontalHeaderLabels({tr("Spalte"), tr("Erste Zeile"), tr("wird übernommen als")});
    m_columns->horizontalHeader()->setStretchLastSection(true);
    m_columns->verticalHeader()->hide();
    m_columns->setAccessibleName(tr("Spalten der Datei"));
    columnsLabel->setBuddy(m_columns);
    layout->addWidget(columnsLabel);
    m_columns->verticalHeader()->setDefaultSectionSize(m_columns->fontMetrics().height() + 12);
    m_columns->setMinimumHeight(m_columns->verticalHeader()->defaultSectionSize() * 7);
    layout->addWidget(m_columns, 2);

    auto* options = new QGroupBox(tr("Bei Ringnummern, die schon im Bestand sind:"), this);
    auto* optionsLayout = new QVBoxLayout(options);
    m_overwrite = named(new QRadioButton(tr("gefüllte Felder der Datei &überschreiben das Gespeicherte"), options),
                        "importOverwrite");
    auto* keep = named(new QRadioButton(tr("Gespeichertes &behalten, nur leere Felder füllen"), options), "importKeep");
    m_overwrite->setChecked(true);
    optionsLayout->addWidget(m_overwrite);
    optionsLayout->addWidget(keep);
    layout->addWidget(options);

    auto* previewLabel = new QLabel(tr("&Vorschau:"), this);
    m_model = new ImportPreviewModel(this);
    m_preview = named(new QTableView(this), "importPreview");
    m_preview->setModel(m_model);
    m_preview->horizontalHeader()->setStretchLastSection(true);
    m_preview->verticalHeader()->hide();
    m_preview->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_preview->setAccessibleName(tr("Vorschau des Imports"));
    previewLabel->setBuddy(m_preview);
    layout->addWidget(previewLabel);
    m_preview->verticalHeader()->setDefaultSectionSize(m_preview->fontMetrics().height() + 8);
    layout->addWidget(m_preview, 3);
    m_summary = named(new QLabel(this), "importSummary");
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);

    auto* buttons = new QDialogButtonBox(this);
    m_importButton = named(buttons->addButton(tr("&Importieren"), QDialogButtonBox::AcceptRole), "importButton");
    buttons->addButton(QDialogButtonBox::Close)->setText(tr("Schließen"));
    layout->addWidget(buttons);

    connect(choose, &QPushButton::clicked, this, &ImportStockDialog::chooseFile);
    connect(m_overwrite, &QRadioButton::toggled, this, &ImportStockDialog::replan);
    connect(m_importButton, &QPushButton::clicked, this, &ImportStockDialog::import);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    new UndoShortcuts(m_stock, this, [this] { replan(); });
    m_importButton->setEnabled(false);
    resize(760, 760);
}

ImportStockDialog::~ImportStockDialog() = default;

bool ImportStockDialog::chooseFile()
{
    const QString path = Prompts::current().openFileName(this, tr("Bestand importieren: Datei wählen"),
                                                         tr("Tabellen und Stammbaumdateien (*.csv *.txt *.json);;"
                                                            "Alle Dateien (*)"));
    return !path.isEmpty() && openFile(path);
}

bool ImportStockDialog::openFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Messages::current().warn(
            this,
            tr("Die Datei %1 kann nicht gelesen werden: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)) {
        // A bought bird's papers fill in what is missing; what the breeder knows stays unless chosen otherwise.
        QString problem;
        const std::optional<PedigreeRows> rows = readPedigreeFile(bytes, problem);
        if (!rows) {
            Messages::current().warn(this, problem);
            return false;
        }
        m_table = rows->table;
        findChild<QRadioButton*>(QStringLiteral("importKeep"))->setChecked(true);
        m_file->setText(tr("Stammbaum von %1, abgegeben von %2 (%3 Vögel)")
                            .arg(rows->subject, rows->seller)
                            .arg(m_table.rows.size()));
    } else {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_table = readCsv(bytes);
        QGuiApplication::restoreOverrideCursor();
        m_file->setText(tr("Datei: %1 (%2 Zeilen)").arg(QDir::toNativeSeparators(path)).arg(m_table.rows.size()));
    }
    m_mapping = mapColumns(m_table.header);
    fillMapping();
    replan();
    return true;
}

void ImportStockDialog::fillMapping()
{
    m_columns->setRowCount(int(m_table.header.size()));
    for (int c = 0; c < int(m_table.header.size()); ++c) {
        m_columns->setItem(c, 0, new QTableWidgetItem(m_table.header[c]));
        const QString first
            = m_table.rows.empty() || c >= m_table.rows.front().size() ? QString() : m_table.rows.front()[c];
        m_columns->setItem(c, 1, new QTableWidgetItem(first));
        for (int k = 0; k < 2; ++k)
            m_columns->item(c, k)->setFlags(Qt::ItemIsEnabled);
        auto* field = new QComboBox(m_columns);
        field->setAccessibleName(tr("Spalte %1 übernehmen als").arg(m_table.header[c]));
        field->addItem(importFieldName(ImportField::Ignored), int(ImportField::Ignored));
        for (const ImportField f : importFields())
            field->addItem(importFieldName(f), int(f));
        field->setCurrentIndex(field->findData(int(m_mapping[size_t(c)])));
        connect(field, &QComboBox::currentIndexChanged, this, [this, c, field] {
            m_mapping[size_t(c)] = static_cast<ImportField>(field->currentData().toInt());
            replan();
        });
        m_columns->setCellWidget(c, 2, field);
    }
    m_columns->resizeColumnsToContents();
}

void ImportStockDialog::replan()
{
    if (m_table.header.isEmpty()) {
        m_model->setPlan(nullptr);
        return;
    }
    m_model->setPlan(nullptr);
    // A long file shows how far the check is and can be stopped; nothing changes before the import itself.
    QProgressDialog progress(tr("Die Datei wird geprüft …"), tr("Abbrechen"), 0, int(m_table.rows.size()), this);
    progress.setObjectName(QStringLiteral("importProgress"));
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    progress.setAutoReset(false);
    m_plan = planStockImport(m_stock, m_table, m_mapping, {.overwrite = m_overwrite->isChecked()},
                             [&progress](qsizetype done, qsizetype) {
                                 progress.setValue(int(done));
                                 return !progress.wasCanceled();
                             });
    progress.reset();
    m_model->setPlan(&m_plan);
    if (m_plan.cancelled) {
        m_summary->setText(tr("Die Prüfung wurde abgebrochen; es wird nichts importiert. "
                              "„Datei wählen…“ beginnt sie von vorn."));
        m_importButton->setEnabled(false);
        return;
    }
    m_preview->resizeColumnToContents(0);
    m_preview->resizeColumnToContents(1);
    QString summary = m_plan.summary();
    if (std::find(m_mapping.begin(), m_mapping.end(), ImportField::Ring) == m_mapping.end())
        summary += QStringLiteral("\n") + tr("Keine Spalte ist als Ringnummer gewählt.");
    if (m_plan.hasErrors())
        summary += QStringLiteral("\n") + tr("Solange eine Zeile fehlerhaft ist, wird nichts importiert.");
    if (!m_plan.unknownParents.isEmpty())
        summary += QStringLiteral("\n")
            + tr("Eltern, die weder im Bestand noch in der Datei stehen: %1")
                  .arg(m_plan.unknownParents.join(QStringLiteral(", ")));
    m_summary->setText(summary);
    m_importButton->setEnabled(m_plan.bringsChanges() && !m_plan.hasErrors());
}

void ImportStockDialog::import()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString failure = importStock(m_stock, m_plan);
    QGuiApplication::restoreOverrideCursor();
    if (!failure.isEmpty()) {
        Messages::current().warn(this, failure);
        return;
    }
    Messages::current().inform(
        this,
        tr("Der Bestand wurde importiert (%1). „Rückgängig“ nimmt den ganzen Import zurück.").arg(m_plan.summary()));
    replan();
}
