#include "ui/shows/ShowEntriesWindow.h"

#include "core/export/CsvExport.h"
#include "core/model/Dates.h"
#include "core/records/RecordsDatabase.h"
#include "core/stock/SelectorLists.h"
#include "core/stock/ShowEntries.h"
#include "core/stock/StockDocument.h"
#include "reports/layouts/EntryFormReport.h"
#include "reports/layouts/ShowLabelReport.h"
#include "ui/common/FileSaving.h"
#include "ui/common/Messages.h"
#include "ui/common/Modal.h"
#include "ui/common/Named.h"
#include "ui/common/UndoShortcuts.h"
#include "ui/preview/ReportPreview.h"
#include "ui/shows/ShowEventDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QStringListModel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The columns the breeder types into after the show.
enum EditedColumn
{
    kClassColumn = 1,
    kCageColumn = 7,
    kPointsColumn = 8,
    kAwardColumn = 9,
    kTransferredColumn = 10,
};

} // namespace

ShowEntriesWindow::ShowEntriesWindow(StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("ShowEntriesWindow"));
    setWindowTitle(tr("Ausstellungsmeldung"));
    m_show = named(new QComboBox(this), "showChoice", tr("Die Ausstellung, deren Meldungen die Liste zeigt"));
    auto* newShow = named(new QPushButton(tr("&Neue Ausstellung…"), this), "newShowButton");
    auto* changeShow = named(new QPushButton(tr("&Ändern…"), this), "changeShowButton",
                             tr("Name, Ort, Datum, Meldeschluss und Veranstalter der gewählten Ausstellung"));
    auto* removeShow = named(new QPushButton(tr("Lö&schen…"), this), "deleteShowButton",
                             tr("Löscht die gewählte Ausstellung mit allen ihren Meldungen"));
    m_details = named(new QLabel(this), "showDetails");
    m_details->setWordWrap(true);
    m_table = named(new QTableWidget(0, kTransferredColumn + 1, this), "showEntries",
                    tr("Die Meldungen; Klasse, Käfig-Nr., Punkte und Preis lassen sich hier eintragen"));
    m_table->setAccessibleName(tr("Meldungen der Ausstellung"));
    QStringList headings = entryListHeadings(false);
    headings << tr("Übernommen");
    m_table->setHorizontalHeaderLabels(headings);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_warnings = named(new QLabel(this), "entryWarnings");
    m_warnings->setWordWrap(true);
    m_warnings->setStyleSheet(QStringLiteral("font-weight: bold"));

    auto* showLine = new QHBoxLayout;
    auto* showLabel = new QLabel(tr("&Ausstellung:"), this);
    showLabel->setBuddy(m_show);
    showLine->addWidget(showLabel);
    showLine->addWidget(m_show, 1);
    showLine->addWidget(newShow);
    showLine->addWidget(changeShow);
    showLine->addWidget(removeShow);

    auto* buttons = new QDialogButtonBox(this);
    auto* remove = named(buttons->addButton(tr("Meldung &entfernen"), QDialogButtonBox::ActionRole),
                         "removeEntryButton", tr("Nimmt die in der Liste gewählte Meldung zurück"));
    auto* print = named(buttons->addButton(tr("Meldebogen &drucken…"), QDialogButtonBox::ActionRole), "printEntryForm",
                        tr("Der Meldebogen mit Ihren Züchterdaten als Aussteller"));
    auto* labels = named(buttons->addButton(tr("Käfi&getiketten drucken"), QDialogButtonBox::ActionRole), "printLabels",
                         tr("Ein Etikett je Meldung, ohne Ringnummer; zuerst das Etikettenblatt wählen"));
    auto* sheets = new QMenu(labels);
    sheets->setObjectName(QStringLiteral("labelSheets"));
    for (const LabelSheetFormat& format : labelSheetFormats()) {
        QAction* action
            = sheets->addAction(format.name(), this, [this, sheet = format.sheet] { printLabels(int(sheet)); });
        action->setObjectName(QStringLiteral("labels-%1").arg(QLatin1String(format.key)));
    }
    labels->setMenu(sheets);
    auto* csv = named(buttons->addButton(tr("Als &CSV-Datei speichern…"), QDialogButtonBox::ActionRole),
                      "saveEntriesCsv", tr("Die Meldungen für eine Tabellenkalkulation"));
    auto* transfer
        = named(buttons->addButton(tr("Ergebnisse &übernehmen"), QDialogButtonBox::ActionRole), "transferResults",
                tr("Jede Meldung mit Punkten wird ein Ausstellungsergebnis ihres Vogels"));
    buttons->addButton(QDialogButtonBox::Close)->setText(tr("Schließen"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(showLine);
    layout->addWidget(m_details);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_warnings);
    layout->addWidget(buildEntryLine());
    layout->addWidget(buttons);

    connect(m_show, &QComboBox::currentIndexChanged, this, &ShowEntriesWindow::showEntries);
    connect(newShow, &QPushButton::clicked, this, [this] { editShow(true); });
    connect(changeShow, &QPushButton::clicked, this, [this] { editShow(false); });
    connect(removeShow, &QPushButton::clicked, this, &ShowEntriesWindow::deleteShow);
    connect(m_table, &QTableWidget::itemChanged, this, &ShowEntriesWindow::takeEdit);
    connect(remove, &QPushButton::clicked, this, &ShowEntriesWindow::removeChosenEntry);
    connect(print, &QPushButton::clicked, this, &ShowEntriesWindow::printEntryForm);
    connect(csv, &QPushButton::clicked, this, &ShowEntriesWindow::saveCsv);
    connect(transfer, &QPushButton::clicked, this, &ShowEntriesWindow::transferResults);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&m_stock, &StockDocument::changed, this, [this](StockDocument::Changes what) {
        if (!isVisible())
            return;
        if (what & StockDocument::Animals)
            m_knownRings->setStringList({});
        reload();
    });
    new UndoShortcuts(m_stock, this);
    resize(900, 620);
}

ShowEntriesWindow::~ShowEntriesWindow() = default;

QWidget* ShowEntriesWindow::buildEntryLine()
{
    auto* group = new QGroupBox(tr("Melden"), this);
    m_knownRings = new QStringListModel(this);
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < 4; ++i) {
        auto* ring = named(new QLineEdit(group), QByteArray("entryRing").append(char('1' + i)).constData(),
                           tr("Die Ringnummer eines Vogels aus dem Bestand"));
        ring->setAccessibleName(tr("Ring %1").arg(i + 1));
        auto* completer = new QCompleter(m_knownRings, ring);
        completer->setModelSorting(QCompleter::CaseSensitivelySortedModel);
        ring->setCompleter(completer);
        ring->setEnabled(i == 0);
        grid->addWidget(ring, 1, i);
        m_rings << ring;
    }
    auto* ringLabel = new QLabel(tr("&Ring:"), group);
    ringLabel->setBuddy(m_rings[0]);
    grid->addWidget(ringLabel, 0, 0);
    m_collection = named(new QCheckBox(tr("&Kollektion aus vier Vögeln"), group), "asCollection",
                         tr("Die vier Vögel werden als eine Kollektion gemeldet"));
    grid->addWidget(m_collection, 0, 1, 1, 3);
    m_class = named(new QComboBox(group), "entryClass",
                    tr("Die Klasse laut Ausschreibung; angeboten werden die Klassen, die Vögel dieser Rasse und "
                       "Farbe schon hatten"));
    m_class->setEditable(true);
    m_class->setInsertPolicy(QComboBox::NoInsert);
    auto* classLabel = new QLabel(tr("K&lasse:"), group);
    classLabel->setBuddy(m_class);
    grid->addWidget(classLabel, 2, 0);
    grid->addWidget(m_class, 3, 0, 1, 3);
    auto* enter = named(new QPushButton(tr("&Melden"), group), "enterButton",
                        tr("Meldet den Vogel oder die Kollektion für die gewählte Ausstellung"));
    grid->addWidget(enter, 3, 3);
    connect(m_collection, &QCheckBox::toggled, this, [this](bool four) {
        for (int i = 1; i < m_rings.size(); ++i)
            m_rings[i]->setEnabled(four);
    });
    connect(m_rings[0], &QLineEdit::editingFinished, this, &ShowEntriesWindow::offerClasses);
    connect(enter, &QPushButton::clicked, this, &ShowEntriesWindow::enterBirds);
    return group;
}

void ShowEntriesWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        reload();
    QDialog::showEvent(event);
}

void ShowEntriesWindow::reload()
{
    if (m_knownRings->rowCount() == 0) {
        QStringList rings = activeRings(m_stock.animals());
        rings.sort();
        rings.removeDuplicates();
        m_knownRings->setStringList(rings);
    }
    const qint64 shown = chosenShow() ? chosenShow()->id : 0;
    m_shows = m_stock.records().showEvents();
    {
        const QSignalBlocker quiet(m_show);
        m_show->clear();
        int again = m_shows.empty() ? -1 : 0;
        for (size_t i = 0; i < m_shows.size(); ++i) {
            const ShowEvent& s = m_shows[i];
            m_show->addItem(s.date.isValid() ? tr("%1 am %2").arg(s.name, Dates::local(s.date)) : s.name);
            if (s.id == shown)
                again = int(i);
        }
        m_show->setCurrentIndex(again);
    }
    showEntries();
}

std::optional<ShowEvent> ShowEntriesWindow::chosenShow() const
{
    const int index = m_show->currentIndex();
    if (index < 0 || size_t(index) >= m_shows.size())
        return std::nullopt;
    return m_shows[size_t(index)];
}

void ShowEntriesWindow::showEntries()
{
    const std::optional<ShowEvent> show = chosenShow();
    m_entries = show ? m_stock.records().entries(show->id) : std::vector<ShowEntry>();
    if (show) {
        //: %1 place, %2 date, %3 closing date, %4 organiser of a show
        m_details->setText(
            tr("Ort: %1 · Datum: %2 · Meldeschluss: %3 · Veranstalter: %4")
                .arg(show->place, Dates::local(show->date), Dates::local(show->closingDate), show->organiser));
    } else {
        m_details->setText(tr("Noch keine Ausstellung angelegt."));
    }
    const std::vector<QStringList> rows = entryListRows(m_stock, m_entries, false);
    const QSignalBlocker quiet(m_table);
    m_table->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        for (int c = 0; c <= kTransferredColumn; ++c) {
            const bool transferred = m_entries[size_t(r)].transferred;
            auto* item = new QTableWidgetItem(c == kTransferredColumn ? (transferred ? tr("ja") : QString())
                                                                      : rows[size_t(r)].value(c));
            const bool typedIn = c == kClassColumn || c == kCageColumn || c == kPointsColumn || c == kAwardColumn;
            // A transferred entry is a show result now: it is changed there.
            if (!typedIn || transferred)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            m_table->setItem(r, c, item);
        }
    }
    m_table->resizeColumnsToContents();
    const QStringList warnings = show ? entryWarnings(m_stock, *show, m_entries) : QStringList();
    m_warnings->setText(warnings.join(QLatin1Char('\n')));
    m_warnings->setVisible(!warnings.isEmpty());
}

void ShowEntriesWindow::editShow(bool asNew)
{
    const std::optional<ShowEvent> show = chosenShow();
    if (!asNew && !show) {
        Messages::current().inform(this, tr("Bitte zuerst eine Ausstellung anlegen."));
        return;
    }
    if (!m_showDialog) {
        m_showDialog = std::make_unique<ShowEventDialog>(this);
        connect(m_showDialog.get(), &ShowEventDialog::confirmed, this, &ShowEntriesWindow::takeShow);
    }
    m_showDialog->edit(asNew ? ShowEvent {} : *show);
    showModal(m_showDialog.get());
}

void ShowEntriesWindow::takeShow(const ShowEvent& show)
{
    ShowEvent stored = show;
    const QString failure = show.id ? m_stock.changeShowEvent(show) : m_stock.addShowEvent(stored);
    if (!failure.isEmpty()) {
        Messages::current().warn(this, failure);
        return;
    }
    const auto it = std::find_if(m_shows.begin(), m_shows.end(), [&](const ShowEvent& s) { return s.id == stored.id; });
    if (it != m_shows.end())
        m_show->setCurrentIndex(int(it - m_shows.begin()));
}

void ShowEntriesWindow::deleteShow()
{
    const std::optional<ShowEvent> show = chosenShow();
    if (!show)
        return;
    //: %1 the name of a show, %2 how many entries it has
    const QString question = tr("Die Ausstellung %1 mit ihren %2 Meldungen löschen? Übernommene Ergebnisse bleiben.")
                                 .arg(show->name)
                                 .arg(qsizetype(m_entries.size()));
    if (!Messages::current().askYesNo(this, tr("Ausstellung löschen"), question))
        return;
    if (const QString failure = m_stock.removeShowEvent(show->id); !failure.isEmpty())
        Messages::current().warn(this, failure);
}

void ShowEntriesWindow::offerClasses()
{
    const QString typed = m_class->currentText();
    m_class->clear();
    m_class->addItems(classesOffered(m_stock, m_rings[0]->text().trimmed()));
    m_class->setCurrentText(typed);
}

void ShowEntriesWindow::enterBirds()
{
    const std::optional<ShowEvent> show = chosenShow();
    if (!show) {
        Messages::current().inform(this, tr("Bitte zuerst eine Ausstellung anlegen."));
        return;
    }
    const bool asCollection = m_collection->isChecked();
    QStringList rings;
    for (int i = 0; i < (asCollection ? 4 : 1); ++i) {
        const QString ring = m_rings[i]->text().trimmed();
        if (!ring.isEmpty())
            rings << ring;
    }
    if (asCollection && rings.size() != 4) {
        Messages::current().inform(this,
                                   tr("Eine Kollektion besteht aus vier Vögeln: bitte alle vier Ringe eingeben."));
        return;
    }
    if (const QString failure = m_stock.enterForShow(show->id, rings, m_class->currentText(), asCollection);
        !failure.isEmpty()) {
        Messages::current().warn(this, failure);
        return;
    }
    for (QLineEdit* ring : m_rings)
        ring->clear();
    m_rings[0]->setFocus();
}

void ShowEntriesWindow::removeChosenEntry()
{
    const int row = m_table->currentRow();
    const std::optional<ShowEvent> show = chosenShow();
    if (!show || row < 0 || size_t(row) >= m_entries.size()) {
        Messages::current().inform(this, tr("Bitte zuerst eine Meldung in der Liste auswählen."));
        return;
    }
    if (const QString failure = m_stock.removeEntry(show->id, m_entries[size_t(row)].id); !failure.isEmpty())
        Messages::current().warn(this, failure);
}

void ShowEntriesWindow::takeEdit(QTableWidgetItem* item)
{
    const int row = item->row();
    if (row < 0 || size_t(row) >= m_entries.size())
        return;
    ShowEntry entry = m_entries[size_t(row)];
    const QString text = item->text().trimmed();
    switch (item->column()) {
    case kClassColumn:
        entry.showClass = text;
        break;
    case kAwardColumn:
        entry.award = text;
        break;
    case kCageColumn: {
        bool number = false;
        const int cage = text.toInt(&number);
        if (!text.isEmpty() && (!number || cage <= 0)) {
            Messages::current().inform(this, tr("Die Käfig-Nr. muss eine Zahl größer als 0 sein."));
            showEntries();
            return;
        }
        entry.cageNumber = text.isEmpty() ? std::nullopt : std::optional<int>(cage);
        break;
    }
    case kPointsColumn: {
        const std::optional<int> half = AnimalRecordWords::parsePoints(text);
        if (!text.isEmpty() && !half) {
            Messages::current().inform(this,
                                       tr("Punkte bitte als Zahl bis 100 eingeben, halbe Punkte mit Komma: 92,5."));
            showEntries();
            return;
        }
        entry.halfPoints = half;
        break;
    }
    default:
        return;
    }
    if (const QString failure = m_stock.changeEntry(entry); !failure.isEmpty()) {
        Messages::current().warn(this, failure);
        showEntries();
    }
}

void ShowEntriesWindow::printEntryForm()
{
    const std::optional<ShowEvent> show = chosenShow();
    if (!show || m_entries.empty()) {
        Messages::current().inform(this, tr("Für diese Ausstellung ist noch nichts gemeldet."));
        return;
    }
    const QStringList warnings = entryWarnings(m_stock, *show, m_entries);
    if (!warnings.isEmpty()
        && !Messages::current().askYesNo(
            this, tr("Meldebogen drucken"),
            tr("%1\n\nDen Meldebogen trotzdem drucken?").arg(warnings.join(QLatin1Char('\n')))))
        return;
    auto* preview = new ReportPreview(entryFormPages(m_stock, *show, m_entries), tr("den Meldebogen"),
                                      tr("Meldebogen %1").arg(show->name), frontWindow(this));
    preview->show();
    preview->raise();
}

void ShowEntriesWindow::printLabels(int sheet)
{
    const std::optional<ShowEvent> show = chosenShow();
    if (!show || m_entries.empty()) {
        Messages::current().inform(this, tr("Für diese Ausstellung ist noch nichts gemeldet."));
        return;
    }
    auto pages = std::make_shared<FixedPages>(showLabelPages(*show, m_entries, static_cast<LabelSheet>(sheet)));
    auto* preview = new ReportPreview(pages, tr("die Käfigetiketten"), tr("Käfigetiketten %1").arg(show->name),
                                      frontWindow(this));
    preview->show();
    preview->raise();
}

void ShowEntriesWindow::saveCsv()
{
    const std::optional<ShowEvent> show = chosenShow();
    if (!show)
        return;
    saveCsvFile(this, tr("Meldungen speichern"), tr("Meldungen %1.csv").arg(show->name),
                [this] { return tableCsv(entryListHeadings(false), entryListRows(m_stock, m_entries, false)); });
}

void ShowEntriesWindow::transferResults()
{
    const std::optional<ShowEvent> show = chosenShow();
    if (!show)
        return;
    int transferred = 0;
    if (const QString failure = m_stock.transferShowResults(show->id, &transferred); !failure.isEmpty()) {
        Messages::current().warn(this, failure);
        return;
    }
    Messages::current().inform(this,
                               transferred == 0
                                   ? tr("Keine neuen Punkte zum Übernehmen: Punkte bitte zuerst in die Liste "
                                        "eintragen.")
                                   : tr("%1 Ergebnisse wurden zu den Vögeln übernommen.").arg(transferred));
}
