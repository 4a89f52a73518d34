#include "ui/breeding/RingingGroup.h"

#include "core/breeding/BreedingRules.h"
#include "core/breeding/RingStock.h"
#include "core/model/Dates.h"
#include "core/stock/StockDocument.h"
#include "ui/common/AnimalFields.h"
#include "ui/common/Choices.h"
#include "ui/common/Messages.h"
#include "ui/common/Named.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

RingingGroup::RingingGroup(StockDocument& stock, std::function<std::pair<QString, QString>()> parents, QWidget* parent)
    : QGroupBox(tr("Beringung des Nachwuchses: "), parent), m_stock(stock), m_parents(std::move(parents))
{
    setObjectName(QStringLiteral("ringingGroup"));
    m_eggs = named(makeListCombo(this, {}), "eggList", tr("Ei auswählen um die Beringung vorzunehmen"));
    m_clearEgg = named(
        new QPushButton(tr("Ei-Infos löschen"), this), "clearEggButton",
        tr("Löscht die Beringungsinformationen zum ausgewählten Ei. \n\nDadurch wird auch den Kanarienvogel mit "
           "dieser Ringnummer gelöscht,\nsamt seinen Elternbeziehungen. Danach kann zu diesem Ei\neine "
           "neue Ringnummer vergeben werden."));
    buildEggPanel();

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Ei Nr:"), this), 0, 0);
    grid->addWidget(m_eggs, 0, 1);
    grid->addWidget(m_clearEgg, 0, 2);
    grid->addWidget(m_eggPanel, 1, 0, 1, 3);
    grid->setColumnStretch(3, 1);
    m_eggs->setAccessibleName(tr("Ei Nr"));

    keepRingInCapitals(m_ring);
    connect(m_eggs, &QComboBox::currentIndexChanged, this, &RingingGroup::selectEgg);
    connect(m_cancel, &QPushButton::clicked, this, &RingingGroup::clearEgg);
    connect(m_enter, &QPushButton::clicked, this, &RingingGroup::enterYoung);
    connect(m_clearEgg, &QPushButton::clicked, this, &RingingGroup::clearEggInfo);
    m_clearEgg->hide();
    m_eggPanel->hide();
}

void RingingGroup::buildEggPanel()
{
    m_eggPanel = new QWidget(this);
    m_eggPanel->setObjectName(QStringLiteral("eggPanel"));
    m_ring = named(new QLineEdit(m_eggPanel), "youngRingEdit", tr("Ringnummer des Kanarienvogels aus diesem Ei"));
    m_ring->setMaxLength(kRingLength);
    m_sex = named(makeListCombo(m_eggPanel, {}), "youngSexList", tr("Geschlecht des Kanarienvogels aus diesem Ei"));
    setChoices(m_sex, sexWords());
    m_breed
        = named(makeChoiceCombo(m_eggPanel, {}), "youngBreedCombo", tr("Art/Rasse des Kanarienvogels aus diesem Ei"));
    m_hatched = named(new QLineEdit(m_eggPanel), "hatchedEdit", tr("Schlupfdatum des Kanarienvogels aus diesem Ei"));
    m_weaned = named(new QLineEdit(m_eggPanel), "weanedEdit", tr("Absetzdatum des Kanarienvogels aus diesem Ei"));
    m_remarks = named(new QPlainTextEdit(m_eggPanel), "youngRemarksEdit",
                      tr("Bemerkungen über den Kanarienvogel aus diesem Ei"));
    m_remarks->setTabChangesFocus(true);
    m_remarks->setFixedHeight(48);
    m_cancel = named(new QPushButton(tr("Abbruch"), m_eggPanel), "cancelEggButton",
                     tr("Beendet die Eingabe zu Informationen zu diesem Ei und verwirft evtl. vorgenommene "
                        "Änderungen."));
    m_enter
        = named(new QPushButton(tr("Kanarienvogel anlegen und gleich in den Elternbeziehungen eintragen"), m_eggPanel),
                "enterYoungButton",
                tr("Legt den Kanarienvogel aus diesem Ei im Bestand an \nund trägt das Zuchtpaar automatisch bei den "
                   "\nElternbeziehungen ein."));

    auto* form = new QFormLayout(m_eggPanel);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("bekommt Ringnr:"), m_ring);
    form->addRow(tr("Geschlecht:"), m_sex);
    form->addRow(tr("Art/Rasse:"), m_breed);
    form->addRow(tr("Schlupfdatum:"), m_hatched);
    form->addRow(tr("abgesetzt:"), m_weaned);
    form->addRow(tr("Bemerkungen:"), m_remarks);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_enter, 1);
    form->addRow(buttons);
}

void RingingGroup::showClutch(int pair, int clutch)
{
    m_pair = pair;
    m_clutch = clutch;
    // One entry per young record the clutch holds: a file may hold another egg count than records.
    const size_t eggs = m_stock.pairs().at(size_t(pair)).clutches.at(size_t(clutch)).young.size();
    QStringList numbers;
    for (size_t n = 1; n <= eggs; ++n)
        numbers << QString::number(n); // in numeric order: 10 follows 9
    setChoices(m_eggs, numbers);
    m_clearEgg->hide();
    m_eggPanel->hide();
}

void RingingGroup::showAll(bool all)
{
    setVisible(all);
    m_eggPanel->setVisible(all);
}

void RingingGroup::clearEgg()
{
    m_eggs->setCurrentIndex(-1);
    m_eggPanel->hide();
}

void RingingGroup::setEditable(bool editable)
{
    for (QWidget* w :
         std::initializer_list<QWidget*> {m_ring, m_sex, m_breed, m_hatched, m_weaned, m_remarks, m_enter, m_cancel})
        w->setEnabled(editable);
    m_clearEgg->setVisible(!editable);
}

void RingingGroup::selectEgg()
{
    const int egg = m_eggs->currentIndex();
    if (egg < 0 || m_pair < 0) {
        m_eggPanel->hide();
        return;
    }
    setChoices(m_breed, offeredFrom(m_stock, &Animal::breed));
    const Youngster& y = m_stock.pairs().at(size_t(m_pair)).clutches.at(size_t(m_clutch)).young.at(size_t(egg));
    m_ring->setText(y.ring);
    if (!y.isRinged()) {
        // The next club ring of the season on hand is offered, selected so that typing replaces it.
        const double start = m_stock.pairs().at(size_t(m_pair)).breedingStart;
        const int season = start > 0 ? Dates::toDate(start).year() : QDate::currentDate().year();
        m_ring->setText(nextFreeRing(m_stock, season).value_or(QString()));
        m_ring->selectAll();
    }
    setEditable(!y.isRinged());
    m_sex->setCurrentIndex(-1);
    m_breed->setEditText(QString());
    m_remarks->clear();
    m_weaned->setText(y.weaned > 0 ? Dates::localDays(y.weaned) : QString());
    m_hatched->setText(y.weaned > 0 ? Dates::localDays(y.hatched) : QString());
    if (const Animal* a = m_stock.lastActive(y.ring); a && y.isRinged()) {
        m_sex->setCurrentIndex(sexIndex(a->sex));
        m_breed->setEditText(a->breed);
        m_remarks->setPlainText(a->remarks);
    }
    m_eggPanel->show();
}

void RingingGroup::enterYoung()
{
    const int egg = m_eggs->currentIndex();
    if (egg < 0)
        return;
    const YoungInput input {m_ring->text(),    selectedSex(m_sex), m_breed->currentText(),
                            m_hatched->text(), m_weaned->text(),   m_remarks->toPlainText()};
    if (const QString refused = checkYoung(m_stock.animals(), input); !refused.isEmpty()) {
        Messages::current().inform(this, refused);
        return;
    }
    const auto [cock, hen] = m_parents();
    m_stock.ringYoung(m_pair, m_clutch, egg, youngAnimal(input, cock, hen, m_stock.breeder()), ringedYoungster(input));
    clearEgg();
}

void RingingGroup::clearEggInfo()
{
    const int egg = m_eggs->currentIndex();
    if (egg < 0)
        return;
    QStringList removed;
    if (const QString failure = m_stock.clearYoung(m_pair, m_clutch, egg, &removed); !failure.isEmpty()) {
        Messages::current().warn(this, failure);
        return;
    }
    for (const QString& ring : removed)
        Messages::current().inform(this, eggClearedMessage(ring));
    clearEgg();
}
