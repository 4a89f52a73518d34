#include "ui/stock/SearchDialog.h"

#include "core/stock/StockDocument.h"
#include "core/stock/StockSearch.h"
#include "ui/common/Choices.h"
#include "ui/common/RingList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

enum CriterionIndex
{
    Ring,
    Breeder,
    Year,
    Colour,
    Markings,
    Breed,
};

} // namespace

SearchDialog::SearchDialog(StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("SearchDialog"));
    setWindowTitle(tr("Kanarienvögel suchen"));
    auto* outer = new QVBoxLayout(this);
    auto* intro = new QLabel(
        tr("Sie wissen die Ringnummer des Kanarienvogels nicht, kennen aber den Züchter, die Endnummer oder das "
           "Geburtsjahr? Dann können Sie versuchen d. Kanarienvogel über die Ihnen bekannten Angaben zu finden. Geben "
           "Sie alle Informationen ein, die Ihnen bekannt sind.\n\nDas Programm sucht dann in der Datenbank nach "
           "Kanarienvögel auf die alle Kriterien zutreffen und zeigt sie an."),
        this);
    intro->setWordWrap(true);
    outer->addWidget(intro);

    auto* columns = new QHBoxLayout;
    outer->addLayout(columns, 1);
    columns->addLayout(buildResultColumn(), 1);
    columns->addWidget(buildCriteriaForm(), 2);

    auto* showAll = new QPushButton(tr("Alle gefundene Kanarienvögel anzeigen"), this);
    showAll->setObjectName(QStringLiteral("showAllButton"));
    outer->addWidget(showAll);

    connect(m_results, &RingList::ringActivated, this, &SearchDialog::pedigreeRequested);
    connect(showAll, &QPushButton::clicked, this,
            [this] { emit showAllFound(m_results->rings(), m_results->selectedRing()); });
    // A change made from here (through the change dialog) shows in the results at once.
    connect(&m_stock, &StockDocument::changed, this, [this] {
        if (isVisible())
            runSearch();
    });
    setFixedSize(sizeHint().expandedTo(QSize(760, 560)));
}

QLayout* SearchDialog::buildResultColumn()
{
    auto* left = new QVBoxLayout;
    m_results = new RingList(this);
    m_results->setObjectName(QStringLiteral("resultList"));
    auto* resultLabel = new QLabel(tr("Vorab-Ergebnis:"), this);
    resultLabel->setBuddy(m_results);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("countLabel"));
    left->addWidget(resultLabel);
    left->addWidget(m_results, 1);
    left->addWidget(m_count);
    left->addWidget(new QLabel(tr("Ein Doppelklick zeigt den Abstammungsnachweis an."), this));
    return left;
}

QWidget* SearchDialog::buildCriteriaForm()
{
    m_form = new QWidget(this);
    auto* grid = new QGridLayout(m_form);
    addTextCriterion("ringCriterion", tr("Ring-Nr (auch Teile davon):"), tr("Ring-Nr lautet:"),
                     tr("Ring-Nr muß genau so sein."), false);
    addTextCriterion("breederCriterion", tr("Züchter (auch Teile davon):"), tr("Züchter ist:"),
                     tr("Züchter muß genau so sein."), true);
    addTextCriterion("yearCriterion", tr("Geburtsjahr (auch Teile davon):"), tr("Geburtsjahr ist:"),
                     tr("Geburtsjahr muß genau so sein."), false);

    m_sex = makeListCombo(m_form, QStringLiteral("sexCriterion"));
    setChoices(m_sex, sexWords());
    auto* sexLabel = new QLabel(tr("Geschlecht:"), m_form);
    sexLabel->setBuddy(m_sex);
    auto* clearSex = new QPushButton(tr("<= leeren"), m_form);
    clearSex->setObjectName(QStringLiteral("clearSexButton"));
    const int sexRow = grid->rowCount();
    grid->addWidget(sexLabel, sexRow, 0);
    grid->addWidget(m_sex, sexRow, 1);
    grid->addWidget(clearSex, sexRow, 2);

    addTextCriterion("colourCriterion", tr("Farbe (auch Teile davon):"), tr("Farbe ist:"),
                     tr("Farbe muß genau so sein."), true);
    addTextCriterion("markingsCriterion", tr("Zeichnung (auch Teile davon):"), tr("Zeichnung ist:"),
                     tr("Zeichnung muß genau so sein."), true);
    addTextCriterion("breedCriterion", tr("Rasse (auch Teile davon):"), tr("Rasse ist:"),
                     tr("Rasse muß genau so sein."), true);
    grid->setRowStretch(grid->rowCount(), 1);
    connect(m_sex, &QComboBox::currentIndexChanged, this, &SearchDialog::runSearch);
    connect(clearSex, &QPushButton::clicked, this, [this] { m_sex->setCurrentIndex(-1); });
    return m_form;
}

void SearchDialog::addTextCriterion(const char* name, const QString& partial, const QString& exact,
                                    const QString& exactBox, bool combo)
{
    auto* grid = static_cast<QGridLayout*>(m_form->layout());
    QWidget* input = nullptr;
    if (combo) {
        auto* box = makeChoiceCombo(m_form, QString::fromLatin1(name));
        connect(box, &QComboBox::editTextChanged, this, &SearchDialog::runSearch);
        input = box;
    } else {
        auto* edit = new QLineEdit(m_form);
        edit->setObjectName(QString::fromLatin1(name));
        connect(edit, &QLineEdit::textChanged, this, &SearchDialog::runSearch);
        input = edit;
    }
    auto* label = new QLabel(partial, m_form);
    label->setBuddy(input);
    auto* box = new QCheckBox(exactBox, m_form);
    box->setObjectName(QString::fromLatin1(name) + QStringLiteral("Exact"));
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(input, row, 1);
    grid->addWidget(box, row, 2);
    const qsizetype index = m_criteria.size();
    m_criteria.append({input, label, box, partial, exact});
    connect(box, &QCheckBox::toggled, this, [this, index](bool on) {
        const Criterion& c = m_criteria[index];
        c.label->setText(on ? c.exactLabel : c.partialLabel);
        runSearch();
    });
}

QString SearchDialog::inputText(int criterion) const
{
    QWidget* input = m_criteria[criterion].input;
    if (auto* combo = qobject_cast<QComboBox*>(input))
        return combo->currentText();
    return static_cast<QLineEdit*>(input)->text();
}

void SearchDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        prepareOnShow();
    QDialog::showEvent(event);
}

void SearchDialog::prepareOnShow()
{
    const std::pair<int, QString Animal::*> lists[] = {
        {Breeder, &Animal::breeder}, {Breed, &Animal::breed}, {Colour, &Animal::colour}, {Markings, &Animal::markings}};
    for (const auto& [criterion, field] : lists)
        setChoices(static_cast<QComboBox*>(m_criteria[criterion].input), offeredFrom(m_stock, field));
    runSearch();
}

void SearchDialog::runSearch()
{
    if (m_criteria.size() < 6)
        return; // still being built
    auto text = [this](int c) {
        return SearchText {inputText(c), m_criteria[c].exact->isChecked()};
    };
    SearchCriteria criteria;
    criteria.ring = text(Ring);
    criteria.breeder = text(Breeder);
    criteria.year = text(Year);
    criteria.colour = text(Colour);
    criteria.markings = text(Markings);
    criteria.breed = text(Breed);
    criteria.sex = selectedSex(m_sex);
    // The stock's alphabetical order lives until it changes, so a keystroke costs one pass and no sort.
    const QStringList found = searchStock(m_stock.animals(), m_stock.alphabeticalRingOrder(), criteria);
    m_results->setRings(found);
    m_count->setText(tr("%1 Kanarienvögel gefunden...").arg(found.size()));
}
