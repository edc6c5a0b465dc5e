#pragma once

#include "app/PublisherWebAddress.h"

#include <QObject>
#include <QPointer>

struct AppContext;
class AboutWindow;
class HelpWindow;

// The commands around the main window: the help window, the about window and
// the publisher's web address. One help and one about window at a time;
// asking again brings the open one to the front.
class ShellCommands : public QObject
{
    Q_OBJECT

public:
    ShellCommands(AppContext& context, UrlOpener opener, QObject* parent = nullptr);

    void setUrlOpener(UrlOpener opener) { m_opener = std::move(opener); }

    // Opens the help window when Help.rtf exists; nullptr otherwise.
    HelpWindow* showHelp();
    AboutWindow* showAbout();
    void visitPublisher();

    HelpWindow* helpWindow() const;
    AboutWindow* aboutWindow() const;

private:
    AppContext& m_context;
    UrlOpener m_opener;
    QPointer<HelpWindow> m_help;
    QPointer<AboutWindow> m_about;
};
