#include "platform/prompter.h"

QStringList Message::buttonTexts() const
{
    if (buttons.isEmpty())
        return { QStringLiteral("&OK") };
    return buttons.split(QLatin1Char('|'));
}

QString Message::displayText() const
{
    QString t = text;
    t.replace(QLatin1Char('|'), QLatin1Char('\n'));
    return t;
}

int ScriptedPrompter::ask(const Message &message)
{
    m_shown.push_back(message);
    if (m_answers.empty())
        return message.defaultButton;
    const int a = m_answers.front();
    m_answers.pop_front();
    return a;
}

QStringList ScriptedPrompter::captions() const
{
    QStringList list;
    for (const Message &m : m_shown)
        list << m.caption;
    return list;
}
