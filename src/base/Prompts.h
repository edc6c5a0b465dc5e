#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

// Every message box, input box and file dialog of the program goes through
// this interface, so tests can script the answers and read what was shown.
class Prompts
{
public:
    virtual ~Prompts() = default;

    // A question with Yes and No buttons and no icon; true on Yes.
    virtual bool question(const QString& text, const QString& caption) = 0;
    // A notice with the information icon and an OK button.
    virtual void information(const QString& text, const QString& caption) = 0;
    // A message with an OK button and no icon.
    virtual void notice(const QString& text, const QString& caption) = 0;
    // A failure the user must know about (a file that cannot be read or
    // written, a printer error), with the warning icon.
    virtual void error(const QString& text, const QString& caption) = 0;
    // The caption of the messages about files that cannot be read or written.
    static QString errorCaption() { return QCoreApplication::translate("Prompts", "Error"); }

    // An input box; std::nullopt when the user cancels.
    virtual std::optional<QString> inputText(const QString& prompt, const QString& title,
                                             const QString& defaultText) = 0;

    // File dialogs; the empty text when the user cancels. The filter uses
    // Qt's form: "Text Files (*.txt);;All Files (*)".
    virtual QString openFile(const QString& title, const QString& filter, const QString& folder) = 0;
    virtual QString saveFile(const QString& title, const QString& filter, const QString& folder) = 0;
};
