#pragma once

#include "base/Prompts.h"

#include <QList>
#include <QQueue>
#include <QString>

// Prompts for tests: answers are queued beforehand, and everything shown is
// recorded with its exact text and caption. A prompt with no queued answer
// is answered as a cancel (No, no text, no file).
class ScriptedPrompts final : public Prompts
{
public:
    enum class Kind { Question, Information, Notice, Error, Input, OpenFile, SaveFile };

    struct Shown
    {
        Kind kind;
        QString text;     // message, input prompt or dialog title
        QString caption;  // caption, input title or file filter
        QString extra;    // input default text or the dialog's folder
    };

    void queueYes() { m_answers.enqueue(QStringLiteral("yes")); }
    void queueNo() { m_answers.enqueue(QStringLiteral("no")); }
    // An accepted input box, or a chosen file.
    void queueText(const QString& text) { m_answers.enqueue(text); }
    // A cancelled input box or file dialog.
    void queueCancel() { m_answers.enqueue(QString()); }

    const QList<Shown>& shown() const { return m_shown; }
    // Texts of the messages shown (questions, information, notices, errors).
    QStringList messages() const;
    void clear();
    int pendingAnswers() const { return static_cast<int>(m_answers.size()); }

    bool question(const QString& text, const QString& caption) override;
    void information(const QString& text, const QString& caption) override;
    void notice(const QString& text, const QString& caption) override;
    void error(const QString& text, const QString& caption) override;
    std::optional<QString> inputText(const QString& prompt, const QString& title,
                                     const QString& defaultText) override;
    QString openFile(const QString& title, const QString& filter, const QString& folder) override;
    QString saveFile(const QString& title, const QString& filter, const QString& folder) override;

private:
    std::optional<QString> nextAnswer();

    QQueue<QString> m_answers;
    QList<Shown> m_shown;
};
