#include "scan/OptionsCommand.h"

#include "scan/OptionsDialog.h"

OptionsCommand::OptionsCommand(AppContext& context, QWidget* owner)
    : QObject(owner)
    , m_context(context)
    , m_owner(owner)
{}

OptionsDialog* OptionsCommand::dialog() const
{
    return m_dialog;
}

void OptionsCommand::showModal()
{
    show(Qt::ApplicationModal);
}

void OptionsCommand::showModeless()
{
    show(Qt::NonModal);
}

void OptionsCommand::show(Qt::WindowModality modality)
{
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }
    // Shown rather than executed: a modal dialog blocks input to the other
    // windows without running an event loop of its own.
    m_dialog = new OptionsDialog(m_context, m_owner);
    if (m_testSite)
        m_dialog->setTestSite(m_testSite());
    m_dialog->setWindowModality(modality);
    connect(m_dialog, &QDialog::finished, this, &OptionsCommand::closed);
    m_dialog->show();
}
