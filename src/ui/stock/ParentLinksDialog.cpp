#include "ui/stock/ParentLinksDialog.h"

#include "core/stock/StockDocument.h"
#include "ui/common/BreedFilter.h"
#include "ui/common/Choices.h"
#include "ui/common/Messages.h"
#include "ui/common/RingList.h"
#include "ui/common/UndoShortcuts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

QString introText()
{
    return QCoreApplication::translate(
        "ParentLinksDialog",
        "Sobald sie alle Kanarienvögel eingegeben haben, müssen Sie hier die Elternbeziehungen festlegen, damit das "
        "Programm weiß, wie sich die Familienverhältnisse verhalten um einen Abstammungsnachweis erstellen zu "
        "können.\n\nWählen Sie links in der Liste aller Kanarienvögel das Kind aus und legen Sie anschließend Vater "
        "und Mutter dazu fest. Klicken Sie dann auf \"Speichern\".\n\nWählen Sie dann den Vater und die Mutter "
        "nacheinander in der linken Liste aus und wählen Sie deren Eltern. Das Programm kennt dann die Eltern des "
        "Jungvogels, sowie die Eltern der Eltern (die Großeltern des Jungvogels).\n\nAuf diese Weise können Sie bis zu "
        "4 Generationen verknüpfen, indem Sie immer nur die Eltern des Jungvogels, des Vaters und der Mutter, der "
        "Großmütter und der Großväter, usw. angeben.");
}

} // namespace

ParentLinksDialog::ParentLinksDialog(StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("ParentLinksDialog"));
    setWindowTitle(tr("Elternbeziehungen"));
    auto* outer = new QVBoxLayout(this);
    auto* intro = new QLabel(introText(), this);
    intro->setWordWrap(true);
    outer->addWidget(intro);

    auto* grid = new QGridLayout;
    outer->addLayout(grid, 1);
    m_children = new RingList(this);
    m_children->setObjectName(QStringLiteral("childList"));
    auto* childLabel = new QLabel(tr("Liste aller Kanarienvögel:"), this);
    childLabel->setBuddy(m_children);
    grid->addWidget(childLabel, 0, 0);
    grid->addWidget(m_children, 1, 0, 3, 1);

    auto* stored = new QFormLayout;
    m_storedMother = new QLabel(this);
    m_storedMother->setObjectName(QStringLiteral("storedMother"));
    m_storedFather = new QLabel(this);
    m_storedFather->setObjectName(QStringLiteral("storedFather"));
    stored->addRow(tr("zur Zeit gespeicherte Mutter:"), m_storedMother);
    stored->addRow(tr("zur Zeit gespeicherter Vater:"), m_storedFather);
    grid->addLayout(stored, 1, 1);
    grid->addWidget(buildParentGroup(), 2, 1);
    grid->setRowStretch(3, 1);

    m_hideSold = new QCheckBox(tr("Verkaufte Kanarienvögel in allen 3 Listen ausblenden"), this);
    m_hideSold->setObjectName(QStringLiteral("hideSoldBox"));
    m_showDeleted = new QCheckBox(tr("Gelöschte Kanarienvögel in den Eltern-Teil-Auswahlliste anzeigen"), this);
    m_showDeleted->setObjectName(QStringLiteral("showDeletedBox"));
    m_filter = new BreedFilter(this);
    m_filterParents = new QCheckBox(tr("Filter auch für Elterntiereauswahl anwenden"), this);
    m_filterParents->setObjectName(QStringLiteral("filterParentsBox"));
    int row = 4;
    for (QWidget* w : std::initializer_list<QWidget*> {m_hideSold, m_showDeleted, m_filter, m_filterParents})
        grid->addWidget(w, row++, 0, 1, 2);

    m_status = new QStatusBar(this);
    m_status->setSizeGripEnabled(false);
    outer->addWidget(m_status);

    connect(m_children, &RingList::ringSelected, this, &ParentLinksDialog::selectChild);
    new UndoShortcuts(m_stock, this, [this] {
        const std::optional<QString> breed = m_filter->breed();
        const std::optional<QString> child = m_children->selectedRing();
        rebuildLists();
        if (m_filter->selectBreed(breed))
            fillLists();
        if (child)
            m_children->selectRing(*child);
    });
    connect(m_hideSold, &QCheckBox::toggled, this, &ParentLinksDialog::rebuildLists);
    connect(m_showDeleted, &QCheckBox::toggled, this, &ParentLinksDialog::rebuildLists);
    connect(m_filterParents, &QCheckBox::toggled, this, &ParentLinksDialog::fillLists);
    connect(m_filter, &BreedFilter::changed, this, &ParentLinksDialog::fillLists);
    connect(m_filter, &BreedFilter::cleared, this, &ParentLinksDialog::rebuildLists);
    setFixedSize(sizeHint().expandedTo(QSize(720, 640)));
}

QWidget* ParentLinksDialog::buildParentGroup()
{
    auto* group = new QGroupBox(tr("Eltern dieses Vogels ändern:"), this);
    auto* grid = new QGridLayout(group);
    m_mothers = makeListCombo(group, QStringLiteral("motherList"));
    m_fathers = makeListCombo(group, QStringLiteral("fatherList"));
    auto* noMother = new QPushButton(tr("=> keine Mutter"), group);
    noMother->setObjectName(QStringLiteral("noMotherButton"));
    auto* noFather = new QPushButton(tr("=> kein Vater"), group);
    noFather->setObjectName(QStringLiteral("noFatherButton"));
    auto* motherLabel = new QLabel(tr("neue Mutter:"), group);
    motherLabel->setBuddy(m_mothers);
    auto* fatherLabel = new QLabel(tr("neuer Vater:"), group);
    fatherLabel->setBuddy(m_fathers);
    grid->addWidget(motherLabel, 0, 0);
    grid->addWidget(m_mothers, 0, 1);
    grid->addWidget(noMother, 0, 2);
    grid->addWidget(fatherLabel, 1, 0);
    grid->addWidget(m_fathers, 1, 1);
    grid->addWidget(noFather, 1, 2);
    auto* save = new QPushButton(tr("Neue Eltern des Vogels speichern"), group);
    save->setObjectName(QStringLiteral("saveParentsButton"));
    grid->addWidget(save, 2, 0, 1, 3);
    connect(noMother, &QPushButton::clicked, this, [this] { m_mothers->setCurrentIndex(-1); });
    connect(noFather, &QPushButton::clicked, this, [this] { m_fathers->setCurrentIndex(-1); });
    connect(save, &QPushButton::clicked, this, &ParentLinksDialog::saveParents);
    return group;
}

void ParentLinksDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        rebuildLists();
    QDialog::showEvent(event);
}

ParentListOptions ParentLinksDialog::options() const
{
    ParentListOptions o;
    o.hideSold = m_hideSold->isChecked();
    o.showDeleted = m_showDeleted->isChecked();
    o.filterParentsToo = m_filterParents->isChecked();
    o.breed = m_filter->breed();
    return o;
}

void ParentLinksDialog::rebuildLists()
{
    m_filter->setBreeds(offeredFrom(m_stock, &Animal::breed));
    fillLists();
}

void ParentLinksDialog::fillLists()
{
    m_storedMother->clear();
    m_storedFather->clear();
    m_lists = buildParentLists(m_stock.animals(), options());
    m_children->setRings(m_lists.children);
    setChoices(m_mothers, m_lists.mothers);
    setChoices(m_fathers, m_lists.fathers);
}

void ParentLinksDialog::selectChild(const QString& ring)
{
    const Animal* child = m_stock.lastActive(ring);
    if (!child)
        return;
    m_status->showMessage(
        tr("Wählen Sie nun Mutter und Vater d. ausgew. Kanarienvogel aus und klicken Sie auf \"Speichern\"."));
    const ChildParents shown = parentsOf(*child, m_lists, m_hideSold->isChecked());
    m_storedMother->setText(shown.motherLabel);
    m_storedFather->setText(shown.fatherLabel);
    m_mothers->setCurrentIndex(-1);
    m_fathers->setCurrentIndex(-1);
    if (!shown.mother.isEmpty())
        selectEntry(m_mothers, shown.mother);
    if (!shown.father.isEmpty())
        selectEntry(m_fathers, shown.father);
}

void ParentLinksDialog::saveParents()
{
    const std::optional<QString> breed = m_filter->breed();
    const std::optional<QString> child = m_children->selectedRing();
    if (!child) {
        Messages::current().inform(this, tr("Bitte das Jungtier auswählen."));
    } else {
        const QString mother = m_mothers->currentIndex() >= 0 ? m_mothers->currentText() : QString();
        const QString father = m_fathers->currentIndex() >= 0 ? m_fathers->currentText() : QString();
        // Saving must not silently drop a parent the lists merely hide.
        const Animal* record = m_stock.lastActive(*child);
        const QString warning = record ? hiddenParentWarning(*record, m_lists, mother, father) : QString();
        if (!warning.isEmpty() && !Messages::current().askYesNo(this, tr("Frage"), warning))
            return;
        if (m_stock.setParents(*child, mother, father)) {
            m_status->showMessage(tr("Die Eltern wurden erfolgreich gespeichert."));
            rebuildLists();
        }
    }
    if (m_filter->selectBreed(breed))
        fillLists();
}
