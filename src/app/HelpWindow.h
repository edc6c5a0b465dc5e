#pragma once

#include <QDialog>

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
    // nothing is shown or reported and the result is nullptr.
    static HelpWindow* open(AppContext& context);

private:
    explicit HelpWindow(UserSettings& settings);

    void loadHelpFile(const QString& path);
    void showStoredStartupChoice();
    void storeStartupChoice(bool checked);

    UserSettings& m_settings;
    QTextEdit* m_text = nullptr;
    QCheckBox* m_showAtStartup = nullptr;
};
