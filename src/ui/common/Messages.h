#pragma once

#include <QString>

class QWidget;

// Every message box of the program goes through here, so that tests can
// record the texts and give the answers.
class Messages
{
public:
    virtual ~Messages() = default;

    // A plain message with an OK button.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // A failure the user must know about (a warning box with OK).
    virtual void warn(QWidget* parent, const QString& text) = 0;
    // A question with "Ja" and "Nein"; true for Ja.
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text) = 0;

    static Messages& current();
    // Replaces the message boxes (tests); nullptr restores them.
    static void install(Messages* messages);
};
