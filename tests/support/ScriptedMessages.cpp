#include "support/ScriptedMessages.h"

ScriptedMessages::ScriptedMessages()
{
    Messages::install(this);
}

ScriptedMessages::~ScriptedMessages()
{
    Messages::install(nullptr);
}

void ScriptedMessages::inform(QWidget*, const QString& text)
{
    texts << text;
}

void ScriptedMessages::warn(QWidget*, const QString& text)
{
    texts << text;
    warnings << text;
}

bool ScriptedMessages::askYesNo(QWidget*, const QString& title, const QString& text)
{
    const QString question = title + QStringLiteral(": ") + text;
    texts << question;
    questions << question;
    return m_answers.isEmpty() ? defaultAnswer : m_answers.takeFirst();
}

void ScriptedMessages::clear()
{
    texts.clear();
    warnings.clear();
    questions.clear();
    m_answers.clear();
}
