#pragma once

#include "core/model/Animal.h"

#include <QString>
#include <QStringList>

#include <optional>

class QComboBox;
class QWidget;
class StockDocument;

// Drop-down lists shared by every window. Entries are handed over already in
// their order (alphabetical where the list is); the combo never reorders.

// An editable drop-down: the user may pick an entry or type.
QComboBox* makeChoiceCombo(QWidget* parent, const QString& objectName);
// A drop-down without typing, fast for the whole stock.
QComboBox* makeListCombo(QWidget* parent, const QString& objectName);

// Replaces the entries; afterwards no entry is selected and the text is empty.
void setChoices(QComboBox* combo, const QStringList& entries);
// No entry selected, empty text.
void clearChoice(QComboBox* combo);
// Selects the last entry equal to text; false (and the selection unchanged) when there is none.
bool selectEntry(QComboBox* combo, const QString& text);

// The stock's values of a field for a suggestion list, leaving the listed
// marks in the stock file as offering them always has.
QStringList offeredFrom(StockDocument& stock, QString Animal::*field);

// The three sex words in the order of their stored values 0, 1, 2.
QStringList sexWords();
// A sex list's entry for a sex, -1 for a value outside the list.
int sexIndex(Sex sex);
// The sex a sex list names, or none when nothing is selected.
std::optional<Sex> selectedSex(const QComboBox* combo);
