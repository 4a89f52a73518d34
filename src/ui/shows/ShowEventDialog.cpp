#include "ui/shows/ShowEventDialog.h"

#include "core/model/Dates.h"
#include "ui/common/Messages.h"
#include "ui/common/Named.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

ShowEventDialog::ShowEventDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ShowEventDialog"));
    m_name = named(new QLineEdit(this), "showName", tr("Wie die Ausstellung heißt"));
    m_place = named(new QLineEdit(this), "showPlace", tr("Wo die Ausstellung stattfindet"));
    m_date = named(new QLineEdit(this), "showDate", tr("Der Tag des Richtens, im Format TT.MM.JJJJ"));
    m_closing = named(new QLineEdit(this), "showClosingDate",
                      tr("Bis zu diesem Tag muss die Meldung vorliegen, im Format TT.MM.JJJJ"));
    for (QLineEdit* date : {m_date, m_closing})
        date->setPlaceholderText(tr("TT.MM.JJJJ"));
    m_organiser
        = named(new QLineEdit(this), "showOrganiser", tr("Der Verein oder Verband, der die Ausstellung ausrichtet"));
    m_rule = named(new QComboBox(this), "collectionRule", tr("Welche Vögel eine Kollektion bilden dürfen"));
    m_rule->addItems(
        {tr("Hähne und Hennen gemischt"), tr("nur Vögel eines Geschlechts"), tr("nur Hähne"), tr("nur Hennen")});

    auto* form = new QFormLayout(this);
    form->addRow(tr("&Name:"), m_name);
    form->addRow(tr("&Ort:"), m_place);
    form->addRow(tr("&Datum:"), m_date);
    form->addRow(tr("&Meldeschluss:"), m_closing);
    form->addRow(tr("&Veranstalter:"), m_organiser);
    form->addRow(tr("&Kollektionen:"), m_rule);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ShowEventDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(460, sizeHint().height());
}

void ShowEventDialog::edit(const ShowEvent& show)
{
    m_show = show;
    setWindowTitle(show.id ? tr("Ausstellung ändern") : tr("Neue Ausstellung"));
    m_name->setText(show.name);
    m_place->setText(show.place);
    m_date->setText(Dates::local(show.date));
    m_closing->setText(Dates::local(show.closingDate));
    m_organiser->setText(show.organiser);
    m_rule->setCurrentIndex(int(show.collectionRule));
    m_name->setFocus();
}

void ShowEventDialog::accept()
{
    if (m_name->text().trimmed().isEmpty()) {
        Messages::current().inform(this, tr("Bitte den Namen der Ausstellung eingeben."));
        return;
    }
    QDate dates[2];
    QLineEdit* const typed[2] = {m_date, m_closing};
    for (int i = 0; i < 2; ++i) {
        if (typed[i]->text().trimmed().isEmpty())
            continue;
        const std::optional<double> days = Dates::parseLocal(typed[i]->text());
        if (!days) {
            Messages::current().inform(
                this, i == 0 ? tr("Ungültiges Datum der Ausstellung!") : tr("Ungültiges Datum beim Meldeschluss!"));
            return;
        }
        dates[i] = Dates::toDate(*days);
    }
    m_show.name = m_name->text().trimmed();
    m_show.place = m_place->text().trimmed();
    m_show.date = dates[0];
    m_show.closingDate = dates[1];
    m_show.organiser = m_organiser->text().trimmed();
    m_show.collectionRule = static_cast<CollectionRule>(m_rule->currentIndex());
    QDialog::accept();
    emit confirmed(m_show);
}
