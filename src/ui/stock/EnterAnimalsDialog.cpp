#include "ui/stock/EnterAnimalsDialog.h"

#include "core/stock/AnimalQueries.h"
#include "core/stock/StockDocument.h"
#include "ui/common/AnimalFields.h"
#include "ui/common/Choices.h"
#include "ui/common/Messages.h"
#include "ui/common/PictureBox.h"
#include "ui/common/Prompts.h"
#include "ui/common/UndoShortcuts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QSize kPictureFrame(170, 120);
// Grid of the dialog: labels, fields, then beside them the picture or the series controls.
constexpr int kFirstFieldRow = 2;
constexpr int kSeriesColumn = 3;

QCheckBox* keepBox(QWidget* parent, const char* name)
{
    auto* box = new QCheckBox(QCoreApplication::translate("EnterAnimalsDialog", "<= Nach dem Anlegen Feld so belassen"),
                              parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLabel* greyNote(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: grey;"));
    return label;
}

} // namespace

EnterAnimalsDialog::EnterAnimalsDialog(StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("EnterAnimalsDialog"));
    setWindowTitle(tr("Kanarienvögel eingeben"));
    buildFields();
    buildSeriesColumn();
    // The form holds nothing stored: an entry taken back only leaves the stock.
    new UndoShortcuts(m_stock, this);
    // One fixed size that holds the fields with and without series entry.
    QSize size;
    for (bool series : {true, false}) {
        m_showSeries->setChecked(series);
        updateSeriesVisibility();
        layout()->activate();
        size = size.expandedTo(sizeHint());
    }
    setFixedSize(size);
}

void EnterAnimalsDialog::buildFields()
{
    auto* grid = new QGridLayout(this);
    auto* intro = new QLabel(tr("Hier können Sie neue Kanarienvögel anlegen. Füllen Sie dazu \nalle Felder aus und "
                                "klicken Sie anschließend auf \n\"Kanarienvogel anlegen\"."),
                             this);
    grid->addWidget(intro, 0, 0, 1, 2, Qt::AlignTop);

    m_fields = makeAnimalFields(this, tr("Bemerkungen:\n(Punkte etc.)"));
    m_fields.remarks->setStyleSheet(QStringLiteral("font-family: Arial; font-size: 15px;"));
    describeFields();

    int row = kFirstFieldRow;
    for (const AnimalFields::Row& r : std::as_const(m_fields.rows)) {
        // A label stands on its field's line; the memo's label at its top.
        grid->addWidget(r.label, row, 0, r.field == m_fields.remarks ? Qt::AlignTop : Qt::AlignVCenter);
        grid->addWidget(r.field, row, 1);
        ++row;
    }
    grid->setRowStretch(kFirstFieldRow + 7, 1); // the memo takes what height is left

    auto* save = new QPushButton(tr("Kanarienvogel anlegen"), this);
    save->setObjectName(QStringLiteral("saveButton"));
    save->setDefault(true);
    save->setToolTip(
        tr("Wenn Sie oben alles eingetragen haben können Sie hier klicken um den Kanarienvogel zu speichern."));
    grid->addWidget(save, row, 1);
    connect(save, &QPushButton::clicked, this, &EnterAnimalsDialog::saveOneAnimal);

    // Right of the fields: the picture, or (with series entry) the series controls.
    m_pictureArea = new QWidget(this);
    auto* pictureLayout = new QVBoxLayout(m_pictureArea);
    m_picture = new PictureBox(kPictureFrame, m_pictureArea);
    m_picture->setObjectName(QStringLiteral("picturePreview"));
    pictureLayout->addWidget(m_picture);
    pictureLayout->addWidget(greyNote(tr("Idealerweise 170x120 Pixel"), m_pictureArea));
    auto* choose = new QPushButton(tr("Bild auswählen"), m_pictureArea);
    choose->setObjectName(QStringLiteral("choosePictureButton"));
    pictureLayout->addWidget(choose);
    pictureLayout->addStretch();
    connect(choose, &QPushButton::clicked, this, &EnterAnimalsDialog::choosePicture);
    grid->addWidget(m_pictureArea, kFirstFieldRow, kSeriesColumn, 7, 1);

    m_showSeries = new QCheckBox(tr("Serieneingabe anzeigen"), this);
    m_showSeries->setObjectName(QStringLiteral("showSeriesBox"));
    grid->addWidget(m_showSeries, 0, kSeriesColumn, Qt::AlignRight | Qt::AlignTop);
    connect(m_showSeries, &QCheckBox::toggled, this, &EnterAnimalsDialog::updateSeriesVisibility);
}

void EnterAnimalsDialog::describeFields()
{
    m_fields.ring->setToolTip(tr("Geben Sie hier die Ringnummer des Kanarienvogels an."));
    m_fields.sex->setToolTip(tr("Geben Sie hier das Geschlecht des Kanarienvogels an. Sollte dieses noch nicht bekannt "
                                "sein, dann wählen Sie bitte \"unbekannt\" aus."));
    m_fields.year->setToolTip(
        tr("Geben Sie hier das Geburtsjahr des Kanarienvogels an. Auch wenn das Jahr bspw. in der Ringnummer enthalten "
           "ist ist diese Angabe für das Sortieren nach Geburtsjahr trotzdem wichtig."));
    m_fields.breeder->setToolTip(tr("Wer ist der Züchter des Kanarienvogels?"));
    m_fields.colour->setToolTip(tr("Geben Sie hier die Farbe des Kanarienvogels an. Die Zeichnung (einfarbig, "
                                   "gepunktet, etc.) können Sie weiter unten festlegen."));
    m_fields.markings->setToolTip(
        tr("Geben Sie hier die Zeichnung des Kanarienvogels (z.B. einfarbig oder gescheckt) an."));
    m_fields.breed->setToolTip(
        tr("Geben Sie hier die Rasse / Art des Kanarienvogels (z.B. Jungvogel oder Zuchtweibchen) an."));
    m_fields.remarks->setToolTip(
        tr("Hier können Sie verschiedenste Dinge des Kanarienvogels eintragen. Das können erreichte Punkte, Medallien, "
           "Tod, usw. sein. Diese Infos werden auf dem Abstammungsnachweis gedruckt."));
    m_fields.listRemarks->setToolTip(
        tr("Die Informationen die Sie hier eintragen erscheinen auf der Kanarienvögelbestandsliste."));
}

void EnterAnimalsDialog::buildSeriesColumn()
{
    // The series controls stand beside the rows they keep, where the picture is without series entry,
    // framed by their group: the group lies behind them in the grid, one row above and below them.
    auto* grid = static_cast<QGridLayout*>(layout());
    m_seriesGroup = new QGroupBox(tr("Serieneingabe: "), this);
    grid->addWidget(m_seriesGroup, kFirstFieldRow - 1, kSeriesColumn - 1, 12, 3);
    m_seriesWidgets.append(m_seriesGroup);
    auto* digits = new QWidget(this);
    auto* digitsRow = new QHBoxLayout(digits);
    digitsRow->setContentsMargins(0, 0, 0, 0);
    m_keepDigits = new QSpinBox(digits);
    m_keepDigits->setObjectName(QStringLiteral("keepDigits"));
    m_keepDigits->setRange(0, kRingLength);
    auto* before = new QLabel(tr("<= Die ersten"), digits);
    before->setBuddy(m_keepDigits);
    digitsRow->addWidget(before);
    digitsRow->addWidget(m_keepDigits);
    digitsRow->addWidget(new QLabel(tr("Stellen nach dem Speichern belassen"), digits));
    digitsRow->addStretch();
    grid->addWidget(digits, kFirstFieldRow, kSeriesColumn);
    m_seriesWidgets.append(digits);

    m_keepSex = keepBox(this, "keepSex");
    m_keepYear = keepBox(this, "keepYear");
    m_keepBreeder = keepBox(this, "keepBreeder");
    m_keepColour = keepBox(this, "keepColour");
    m_keepMarkings = keepBox(this, "keepMarkings");
    m_keepBreed = keepBox(this, "keepBreed");
    int row = kFirstFieldRow + 1;
    for (QCheckBox* box : {m_keepSex, m_keepYear, m_keepBreeder, m_keepColour, m_keepMarkings, m_keepBreed}) {
        grid->addWidget(box, row++, kSeriesColumn);
        m_seriesWidgets.append(box);
    }
    QWidget* range = buildRangeGroup();
    grid->addWidget(range, kFirstFieldRow + 7, kSeriesColumn, 3, 1);
    m_seriesWidgets.append(range);
}

QWidget* EnterAnimalsDialog::buildRangeGroup()
{
    auto* range = new QGroupBox(tr("Serieneingabe mit fortlaufender Ringnummer: "), this);
    auto* rangeLayout = new QGridLayout(range);
    auto* explanation
        = new QLabel(tr("Sie haben z.B. 20 fortlaufende Ringnummern? Kein Problem! Einfach den Bereich \"von\" und "
                        "\"bis\" ausfüllen und es werden die gewünschte Anzahl Kanarienvögel angelegt. "),
                     range);
    explanation->setWordWrap(true);
    rangeLayout->addWidget(explanation, 0, 0, 1, 2);
    auto* note = new QLabel(tr("Alle anderen Daten werden von den links ausgefüllten Informationen "
                               "genommen."),
                            range);
    note->setWordWrap(true);
    rangeLayout->addWidget(note, 1, 0, 1, 2);
    m_rangePrefix = new QLineEdit(range);
    m_rangePrefix->setObjectName(QStringLiteral("rangePrefix"));
    m_rangePrefix->setPlaceholderText(tr("z.B. 06165-12-"));
    m_rangeFrom = new QLineEdit(range);
    m_rangeFrom->setObjectName(QStringLiteral("rangeFrom"));
    m_rangeFrom->setPlaceholderText(tr("z.B. 084"));
    m_rangeTo = new QLineEdit(range);
    m_rangeTo->setObjectName(QStringLiteral("rangeTo"));
    m_rangeTo->setPlaceholderText(tr("z.B. 121"));
    const std::pair<QString, QLineEdit*> edits[]
        = {{tr("Anfang der Ringnummer:"), m_rangePrefix}, {tr("von:"), m_rangeFrom}, {tr("bis:"), m_rangeTo}};
    int editRow = 2;
    for (const auto& [text, edit] : edits) {
        auto* label = new QLabel(text, range);
        label->setBuddy(edit);
        rangeLayout->addWidget(label, editRow, 0);
        rangeLayout->addWidget(edit, editRow, 1);
        ++editRow;
    }
    rangeLayout->addWidget(greyNote(tr("Führende Nullen bei der Ringnummer eingeben!."), range), editRow++, 0, 1, 2);
    auto* create = new QPushButton(tr("Kanarienvögel anlegen"), range);
    create->setObjectName(QStringLiteral("createRangeButton"));
    rangeLayout->addWidget(create, editRow++, 0, 1, 2);
    m_progress = new QProgressBar(range);
    m_progress->setObjectName(QStringLiteral("rangeProgress"));
    m_progress->setAccessibleName(tr("Fortschritt"));
    m_progress->setValue(0);
    rangeLayout->addWidget(m_progress, editRow, 0, 1, 2);
    connect(create, &QPushButton::clicked, this, &EnterAnimalsDialog::createRange);
    return range;
}

void EnterAnimalsDialog::updateSeriesVisibility()
{
    const bool series = m_showSeries->isChecked();
    for (QWidget* w : std::as_const(m_seriesWidgets))
        w->setVisible(series);
    m_pictureArea->setVisible(!series);
    // Room for the group's title above the first row and its frame around the controls.
    auto* grid = static_cast<QGridLayout*>(layout());
    const int title = series ? m_seriesGroup->fontMetrics().height() : 0;
    grid->setRowMinimumHeight(kFirstFieldRow - 1, title);
    grid->setRowMinimumHeight(kFirstFieldRow + 10, series ? 4 : 0);
    grid->setColumnMinimumWidth(kSeriesColumn - 1, series ? 4 : 0);
    grid->setColumnMinimumWidth(kSeriesColumn + 1, series ? 4 : 0);
}

void EnterAnimalsDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        prepareOnShow();
    QDialog::showEvent(event);
}

void EnterAnimalsDialog::refill(QComboBox* combo, QString Animal::*field)
{
    setChoices(combo, offeredFrom(m_stock, field));
}

void EnterAnimalsDialog::prepareOnShow()
{
    updateSeriesVisibility();
    m_fields.ring->setText(m_fields.ring->text().left(m_keepDigits->value()));
    m_fields.listRemarks->clear();
    m_fields.remarks->clear();
    if (!m_keepSex->isChecked())
        m_fields.sex->setCurrentIndex(-1);
    if (!m_keepYear->isChecked())
        setChoices(m_fields.year, yearList());
    const std::pair<QCheckBox*, std::pair<QComboBox*, QString Animal::*>> texts[] = {
        {m_keepBreeder, {m_fields.breeder, &Animal::breeder}},
        {m_keepColour, {m_fields.colour, &Animal::colour}},
        {m_keepMarkings, {m_fields.markings, &Animal::markings}},
        {m_keepBreed, {m_fields.breed, &Animal::breed}},
    };
    for (const auto& [keep, target] : texts) {
        if (!keep->isChecked())
            refill(target.first, target.second);
    }
}

void EnterAnimalsDialog::saveOneAnimal()
{
    const AnimalInput input = m_fields.input();
    if (const QString refused = checkNewAnimal(m_stock.animals(), input); !refused.isEmpty()) {
        Messages::current().inform(this, refused);
        return;
    }
    const QString picture = QFileInfo::exists(m_picturePath) ? m_picturePath : QString();
    if (const QString failure = m_stock.enterAnimal(makeNewAnimal(input, input.ring), picture); !failure.isEmpty())
        Messages::current().warn(this, failure);
    m_picture->clearPicture();
    m_picturePath.clear();
    accept();
}

void EnterAnimalsDialog::createRange()
{
    const RangePlan plan = planRingRange(
        m_stock.animals(), {m_rangePrefix->text(), m_rangeFrom->text(), m_rangeTo->text()}, m_fields.input());
    if (!plan.message.isEmpty()) {
        Messages::current().inform(this, plan.message);
        return;
    }
    const AnimalInput input = m_fields.input();
    m_progress->setRange(0, int(plan.rings.size()));
    m_progress->setValue(0);
    AnimalTable created;
    created.reserve(size_t(plan.rings.size()));
    for (qsizetype i = 0; i < plan.rings.size(); ++i) {
        created.push_back(makeNewAnimal(input, plan.rings[i]));
        if (i % 64 == 0 || i + 1 == plan.rings.size()) {
            m_progress->setValue(int(i + 1));
            // Repaint the progress, but take no clicks: a second click must not start a second range.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }
    m_stock.appendAnimals(std::move(created));
    accept();
}

void EnterAnimalsDialog::choosePicture()
{
    const QString path = Prompts::current().openPicture(this, Prompts::pictureFilter());
    if (path.isEmpty())
        return;
    if (const QString failure = m_stock.makePictureFolder(); !failure.isEmpty())
        Messages::current().warn(this, failure);
    if (const QString failure = m_picture->showPicture(path, kPictureFrame); !failure.isEmpty()) {
        m_picturePath.clear();
        Messages::current().warn(this, failure);
        return;
    }
    m_picturePath = path;
}
