#include "support/ScriptedPrompts.h"

QStringList ScriptedPrompts::messages() const
{
    QStringList texts;
    for (const Shown& entry : m_shown) {
        if (entry.kind == Kind::Question || entry.kind == Kind::Information || entry.kind == Kind::Notice
            || entry.kind == Kind::Error)
            texts << entry.text;
    }
    return texts;
}

void ScriptedPrompts::clear()
{
    m_shown.clear();
    m_answers.clear();
}

std::optional<QString> ScriptedPrompts::nextAnswer()
{
    if (m_answers.isEmpty())
        return std::nullopt;
    const QString answer = m_answers.dequeue();
    if (answer.isNull())
        return std::nullopt;
    return answer;
}

bool ScriptedPrompts::question(const QString& text, const QString& caption)
{
    m_shown.append({Kind::Question, text, caption, {}});
    return nextAnswer() == QStringLiteral("yes");
}

void ScriptedPrompts::information(const QString& text, const QString& caption)
{
    m_shown.append({Kind::Information, text, caption, {}});
}

void ScriptedPrompts::notice(const QString& text, const QString& caption)
{
    m_shown.append({Kind::Notice, text, caption, {}});
}

void ScriptedPrompts::error(const QString& text, const QString& caption)
{
    m_shown.append({Kind::Error, text, caption, {}});
}

std::optional<QString> ScriptedPrompts::inputText(const QString& prompt, const QString& title,
                                                  const QString& defaultText)
{
    m_shown.append({Kind::Input, prompt, title, defaultText});
    return nextAnswer();
}

QString ScriptedPrompts::openFile(const QString& title, const QString& filter, const QString& folder)
{
    m_shown.append({Kind::OpenFile, title, filter, folder});
    return nextAnswer().value_or(QString());
}

QString ScriptedPrompts::saveFile(const QString& title, const QString& filter, const QString& folder)
{
    m_shown.append({Kind::SaveFile, title, filter, folder});
    return nextAnswer().value_or(QString());
}
