#include "ui/AnimalFields.h"

#include "storage/Records.h"
#include "storage/TextRules.h"
#include "ui/Choices.h"

#include <QComboBox>
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

AnimalFields makeAnimalFields(QWidget* parent)
{
    AnimalFields f {};
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
    f.remarks->setFixedHeight(80);
    f.listRemarks = new QLineEdit(parent);
    f.listRemarks->setObjectName(QStringLiteral("listRemarksEdit"));
    return f;
}
