#pragma once

#include "ui/common/Messages.h"

#include <QList>
#include <QStringList>

// Records every message and answers questions from a queue, so no test ever
// waits on a message box. Installs itself for its lifetime.
class ScriptedMessages : public Messages
{
public:
    ScriptedMessages();
    ~ScriptedMessages() override;

    void inform(QWidget* parent, const QString& text) override;
    void warn(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& title, const QString& text) override;

    void answer(bool yes) { m_answers.append(yes); }
    // Every text in order, questions as "title: text".
    QStringList texts;
    QStringList warnings;
    QStringList questions;
    bool defaultAnswer = false;

    QString last() const { return texts.isEmpty() ? QString() : texts.last(); }
    void clear();

private:
    QList<bool> m_answers;
};
