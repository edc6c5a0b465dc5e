#include "app/ShellCommands.h"

#include "app/AboutWindow.h"
#include "help/HelpWindow.h"

ShellCommands::ShellCommands(AppContext& context, UrlOpener opener, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_opener(std::move(opener))
{}

HelpWindow* ShellCommands::showHelp()
{
    if (m_help) {
        m_help->raise();
        m_help->activateWindow();
        return m_help;
    }
    m_help = HelpWindow::open(m_context);
    return m_help;
}

AboutWindow* ShellCommands::showAbout()
{
    if (!m_about)
        m_about = AboutWindow::open([this](const QUrl& url) { m_opener(url); });
    m_about->raise();
    m_about->activateWindow();
    return m_about;
}

void ShellCommands::visitPublisher()
{
    openPublisherWebAddress(m_opener);
}

HelpWindow* ShellCommands::helpWindow() const
{
    return m_help;
}

AboutWindow* ShellCommands::aboutWindow() const
{
    return m_about;
}
