#pragma once

#include "core/stock/AnimalEntry.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;
struct Animal;

// The data fields of an animal with their labels, as the enter and change
// dialogs show them.
struct AnimalFields
{
    QLineEdit* ring = nullptr; // kept in capitals (a to z), at most 20 characters
    QComboBox* sex = nullptr; // "unbekannt", "männlich", "weiblich"
    QComboBox* year = nullptr; // editable, unsorted
    QComboBox* breeder = nullptr; // editable, entries alphabetical
    QComboBox* colour = nullptr;
    QComboBox* markings = nullptr;
    QComboBox* breed = nullptr;
    QPlainTextEdit* remarks = nullptr;
    QLineEdit* listRemarks = nullptr;

    struct Row
    {
        QLabel* label;
        QWidget* field;
    };
    QList<Row> rows; // in the order the dialogs show them, each label naming its field

    // What the fields hold, as the checks and saves take it.
    AnimalInput input() const;
    // Shows an animal's data.
    void show(const Animal& animal) const;
};

AnimalFields makeAnimalFields(QWidget* parent,
                              const QString& remarksLabel
                              = QCoreApplication::translate("AnimalFields", "Bemerkungen:"));

// Keeps an edit's text in capitals (a to z only) as the user types.
void keepRingInCapitals(QLineEdit* edit);
