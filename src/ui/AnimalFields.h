#pragma once

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// The data fields of an animal as the enter and change dialogs show them.
struct AnimalFields
{
    QLineEdit* ring; // kept in capitals (a to z), at most 20 characters
    QComboBox* sex; // "unbekannt", "männlich", "weiblich"
    QComboBox* year; // editable, unsorted
    QComboBox* breeder; // editable, entries alphabetical
    QComboBox* colour;
    QComboBox* markings;
    QComboBox* breed;
    QPlainTextEdit* remarks;
    QLineEdit* listRemarks;
};

AnimalFields makeAnimalFields(QWidget* parent);

// Keeps an edit's text in capitals (a to z only) as the user types.
void keepRingInCapitals(QLineEdit* edit);
