#include "ui/common/AnimalFields.h"

#include "core/model/StockData.h"
#include "core/model/TextRules.h"
#include "ui/common/Choices.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

void keepRingInCapitals(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
        const QString upper = upperAscii(text);
        if (upper != text) {
            const int cursor = edit->cursorPosition();
            edit->setText(upper);
            edit->setCursorPosition(cursor);
        }
    });
}

AnimalFields makeAnimalFields(QWidget* parent, const QString& remarksLabel)
{
    AnimalFields f;
    f.ring = new QLineEdit(parent);
    f.ring->setObjectName(QStringLiteral("ringEdit"));
    f.ring->setMaxLength(kRingLength);
    keepRingInCapitals(f.ring);

    f.sex = makeListCombo(parent, QStringLiteral("sexList"));
    setChoices(f.sex, sexWords());
    f.year = makeChoiceCombo(parent, QStringLiteral("yearCombo"));
    f.breeder = makeChoiceCombo(parent, QStringLiteral("breederCombo"));
    f.colour = makeChoiceCombo(parent, QStringLiteral("colourCombo"));
    f.markings = makeChoiceCombo(parent, QStringLiteral("markingsCombo"));
    f.breed = makeChoiceCombo(parent, QStringLiteral("breedCombo"));
    for (QComboBox* text : {f.breeder, f.colour, f.markings, f.breed})
        text->lineEdit()->setMaxLength(kAnimalTextLength);
    f.year->lineEdit()->setMaxLength(11);

    f.remarks = new QPlainTextEdit(parent);
    f.remarks->setObjectName(QStringLiteral("remarksEdit"));
    f.remarks->setTabChangesFocus(true);
    f.remarks->setMinimumHeight(80);
    f.listRemarks = new QLineEdit(parent);
    f.listRemarks->setObjectName(QStringLiteral("listRemarksEdit"));

    const std::pair<QString, QWidget*> rows[] = {
        {QCoreApplication::translate("AnimalFields", "Ringnummer:"), f.ring},
        {QCoreApplication::translate("AnimalFields", "Geschlecht:"), f.sex},
        {QCoreApplication::translate("AnimalFields", "Geburtsjahr:"), f.year},
        {QCoreApplication::translate("AnimalFields", "Züchter:"), f.breeder},
        {QCoreApplication::translate("AnimalFields", "Farbe:"), f.colour},
        {QCoreApplication::translate("AnimalFields", "Zeichnung:"), f.markings},
        {QCoreApplication::translate("AnimalFields", "Art/Rasse:"), f.breed},
        {remarksLabel, f.remarks},
        {QCoreApplication::translate("AnimalFields", "Bemerkungen für die \nKanarienvögelbestandsliste:"),
         f.listRemarks},
    };
    for (const auto& [text, field] : rows) {
        auto* label = new QLabel(text, parent);
        label->setBuddy(field);
        f.rows.append({label, field});
    }
    return f;
}

AnimalInput AnimalFields::input() const
{
    AnimalInput in;
    in.ring = ring->text();
    in.sex = selectedSex(sex);
    in.year = year->currentText();
    in.breeder = breeder->currentText();
    in.colour = colour->currentText();
    in.markings = markings->currentText();
    in.breed = breed->currentText();
    in.remarks = remarks->toPlainText();
    in.listRemarks = listRemarks->text();
    return in;
}

void AnimalFields::show(const Animal& animal) const
{
    ring->setText(animal.ringNumber);
    sex->setCurrentIndex(sexIndex(animal.sex));
    year->setEditText(QString::number(animal.birthYear));
    breeder->setEditText(animal.breeder);
    colour->setEditText(animal.colour);
    markings->setEditText(animal.markings);
    breed->setEditText(animal.breed);
    remarks->setPlainText(animal.remarks);
    listRemarks->setText(animal.listRemarks);
}
