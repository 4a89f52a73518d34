#pragma once

#include "core/model/CalendarDays.h"

#include <QString>

// What the certificate's outermost boxes show besides the ring.
enum class OuterGenerationsContent
{
    BreedAndBreeder = 0, // the breed in the great-grandparents' boxes, the breeder one generation further out
    Remarks = 1, // the remarks in both
};

// How the certificate is made, beyond the print settings the stock file keeps.
struct CertificatePreferences
{
    // Chosen for this run only: every start begins with these.
    int detailFontSize = 10; // points, 4 to 10
    OuterGenerationsContent outerGenerations = OuterGenerationsContent::BreedAndBreeder;
    // Kept from run to run.
    bool showInbreeding = false; // the subject's inbreeding coefficient, small in the head
    bool markRepeatedAncestors = false; // the same letter beside every box of an ancestor met more than once
    bool bestShowResultOnRecordSheet = false;
    // The language of the certificate, record sheet, stock list and pair
    // sheet, for a buyer abroad; empty: the program's.
    QString printLanguage;

    bool operator==(const CertificatePreferences&) const = default;
};

// The settings kept outside the stock file, so that its format stays as it
// is: a settings file of their own (by default ~/.config/Avelor/Avelor.ini).
struct Preferences
{
    CertificatePreferences certificate;
    CalendarDays calendar;
    // The program's language from the next start on; empty: the system's.
    QString language;

    bool operator==(const Preferences&) const = default;

    // Missing or unreadable values take their defaults.
    static Preferences load(const QString& file);
    // Writes the values kept from run to run; false when the file could not be written.
    bool save(const QString& file) const;
    static QString defaultFile();
};
