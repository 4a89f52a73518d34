#pragma once

#include <QString>

#include <optional>

// Small text rules shared by every dialog.

// Upper-cases a to z only: umlauts and ß stay as they are (ring numbers).
QString upperAscii(const QString& text);

// A text as a file name that stays inside its folder: '/', '\\' and control
// characters become '_'.
QString safeFileName(const QString& name);

// The first maxLength characters of text.
QString cutTo(const QString& text, int maxLength);

// True when every character is a digit 0 to 9; true for the empty text.
bool isNumeric(const QString& text);

// A whole number as the year fields accept it: leading blanks, a sign,
// decimal digits, within 32 bits. Nothing for anything else.
std::optional<qint32> toInt32(const QString& text);

// The conversion error shown for a text that is no whole number.
QString notAnIntegerMessage(const QString& text);
