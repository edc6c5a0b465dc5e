#pragma once

#include "base/Prompts.h"

#include <QPointer>
#include <QWidget>

// The real prompts: Qt's message boxes, input dialog and file dialogs.
class DialogPrompts final : public Prompts
{
public:
    // Dialogs are owned by the active window, or by the fallback parent when
    // no window of the program is active.
    explicit DialogPrompts(QWidget* fallbackParent = nullptr);

    void setFallbackParent(QWidget* parent) { m_fallbackParent = parent; }

    bool question(const QString& text, const QString& caption) override;
    void information(const QString& text, const QString& caption) override;
    void notice(const QString& text, const QString& caption) override;
    void error(const QString& text, const QString& caption) override;
    std::optional<QString> inputText(const QString& prompt, const QString& title,
                                     const QString& defaultText) override;
    QString openFile(const QString& title, const QString& filter, const QString& folder) override;
    QString saveFile(const QString& title, const QString& filter, const QString& folder) override;

private:
    QWidget* owner() const;

    QPointer<QWidget> m_fallbackParent;
};
