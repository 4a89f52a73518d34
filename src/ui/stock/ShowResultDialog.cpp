#include "ui/stock/ShowResultDialog.h"

#include "core/model/Dates.h"
#include "ui/common/Choices.h"
#include "ui/common/Messages.h"
#include "ui/common/Named.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <cmath>

ShowResultDialog::ShowResultDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ShowResultDialog"));
    setWindowTitle(tr("Ausstellungsergebnis"));
    m_date = named(new QLineEdit(this), "showDate", tr("Der Tag der Schau, im Format TT.MM.JJJJ"));
    m_date->setPlaceholderText(tr("TT.MM.JJJJ"));
    m_show = named(makeChoiceCombo(this, {}), "showName", tr("Der Name der Schau"));
    m_class = named(new QLineEdit(this), "showClass", tr("Die Klasse, in der der Vogel stand"));
    m_points = named(new QDoubleSpinBox(this), "showPoints",
                     tr("Die Punkte der Bewertungskarte, höchstens 100, in halben Punkten"));
    m_points->setLocale(QLocale(QLocale::German, QLocale::Germany));
    m_points->setRange(0, 100);
    m_points->setDecimals(1);
    m_points->setSingleStep(0.5);
    m_award = named(new QLineEdit(this), "showAward", tr("Auszeichnung oder Platz, wie auf der Karte"));
    m_collection = named(new QSpinBox(this), "showCollection",
                         tr("Die Vögel mit derselben Nummer bilden auf dieser Schau eine Kollektion"));
    m_collection->setRange(0, 99);
    m_collection->setSpecialValueText(tr("keine"));
    auto* form = new QFormLayout(this);
    form->addRow(tr("&Datum:"), m_date);
    form->addRow(tr("&Schau:"), m_show);
    form->addRow(tr("&Klasse:"), m_class);
    form->addRow(tr("&Punkte:"), m_points);
    form->addRow(tr("&Auszeichnung/Platz:"), m_award);
    form->addRow(tr("K&ollektion Nr.:"), m_collection);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ShowResultDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ShowResultDialog::edit(const ShowResult& result, const QStringList& knownShows)
{
    m_result = result;
    m_date->setText(Dates::local(result.date));
    setChoices(m_show, knownShows);
    m_show->setEditText(result.show);
    m_class->setText(result.showClass);
    m_points->setValue(result.points());
    m_award->setText(result.award);
    m_collection->setValue(result.collection.value_or(0));
    m_date->setFocus();
}

void ShowResultDialog::confirm()
{
    const std::optional<double> days = Dates::parseLocal(m_date->text());
    QString refused;
    if (m_show->currentText().trimmed().isEmpty())
        refused = tr("Bitte den Namen der Schau angeben.");
    if (!days)
        refused = tr("Bitte das Datum der Schau richtig angeben (TT.MM.JJJJ).");
    if (!refused.isEmpty()) {
        Messages::current().inform(this, refused);
        return;
    }
    ShowResult result = m_result;
    result.date = Dates::toDate(*days);
    result.show = m_show->currentText().trimmed();
    result.showClass = m_class->text().trimmed();
    result.halfPoints = int(std::lround(m_points->value() * 2));
    result.award = m_award->text().trimmed();
    result.collection = m_collection->value() > 0 ? std::optional<int>(m_collection->value()) : std::nullopt;
    accept();
    emit confirmed(result);
}
