#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

struct AppContext;
class OptionsDialog;
class QWidget;

// Opens the Options dialog over the main window: modal from "View Options",
// modeless from the Options button. There is one dialog at a time; asking
// again while it is open brings it to the front.
class OptionsCommand : public QObject
{
    Q_OBJECT

public:
    OptionsCommand(AppContext& context, QWidget* owner);

    // Gives the site the engine tests ask about, read when the dialog opens.
    void setTestSite(std::function<QString()> testSite) { m_testSite = std::move(testSite); }

    void showModal();
    void showModeless();

    // The open dialog, or null.
    OptionsDialog* dialog() const;

signals:
    // The dialog has closed, by whichever button; settings.ini may have
    // changed.
    void closed();

private:
    void show(Qt::WindowModality modality);

    AppContext& m_context;
    QWidget* m_owner;
    QPointer<OptionsDialog> m_dialog;
    std::function<QString()> m_testSite;
};
