#pragma once

#include "help/FormattedText.h"
#include "help/RichTextDocument.h"

#include <QDialog>
#include <QFutureWatcher>
#include <QTimer>

#include <memory>
#include <optional>

struct AppContext;
class QCheckBox;
class QTextEdit;
class UserSettings;

// "Readme/Help": shows Help.rtf of the application folder, stays above the
// other windows, and lets the user choose whether it opens at start-up.
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    // Loads the window and shows it, modeless and without owner; it deletes
    // itself when closed. When the application folder holds no Help.rtf
    // nothing is shown or reported and the result is nullptr. The text is
    // read on another thread and comes into the box piece by piece, so
    // neither this window nor the main window waits for a large file.
    static HelpWindow* open(AppContext& context);

    bool isLoading() const { return m_loading; }

signals:
    // The help text is in the box in full (or there is none to show).
    void helpTextShown();

private:
    explicit HelpWindow(UserSettings& settings);

    void startLoading(const QString& path);
    void textRead();
    void showNextPiece();
    void showStoredStartupChoice();
    void storeStartupChoice(bool checked);

    UserSettings& m_settings;
    QTextEdit* m_text = nullptr;
    QCheckBox* m_showAtStartup = nullptr;
    bool m_loading = false;
    QFutureWatcher<std::optional<FormattedText>> m_reading;
    std::unique_ptr<RichTextAppender> m_appender;
    QTimer m_pieceTimer;
};
