#include "scan/NetworkPage.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

using Choice = NetworkSettings::ProxyChoice;

struct ChoiceButton
{
    Choice choice;
    const char* caption;
    const char* name;
};
const ChoiceButton choiceButtons[] = {
    {Choice::System, QT_TRANSLATE_NOOP("NetworkPage", "Use the s&ystem's proxy settings"), "proxySystem"},
    {Choice::None, QT_TRANSLATE_NOOP("NetworkPage", "&No proxy"), "proxyNone"},
    {Choice::Manual, QT_TRANSLATE_NOOP("NetworkPage", "&Manual"), "proxyManual"},
};

} // namespace

NetworkPage::NetworkPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("networkPage"));
    auto* proxyGroup = new QGroupBox(tr("Proxy"), this);
    m_choices = new QButtonGroup(this);
    auto* proxyLayout = new QVBoxLayout(proxyGroup);
    for (const ChoiceButton& button : choiceButtons) {
        auto* radio = new QRadioButton(tr(button.caption), proxyGroup);
        radio->setObjectName(QString::fromLatin1(button.name));
        m_choices->addButton(radio, static_cast<int>(button.choice));
        proxyLayout->addWidget(radio);
    }
    m_choices->button(static_cast<int>(Choice::System))
        ->setToolTip(tr("The desktop's proxy, or the one named by http_proxy, https_proxy and no_proxy; "
                        "a direct connection where none is set"));

    m_host = new QLineEdit(proxyGroup);
    m_host->setObjectName(QStringLiteral("proxyHost"));
    m_port = new QSpinBox(proxyGroup);
    m_port->setObjectName(QStringLiteral("proxyPort"));
    m_port->setRange(0, 65535);
    m_port->setSpecialValueText(QStringLiteral(" "));
    m_port->setMaximumWidth(m_port->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 40);
    m_user = new QLineEdit(proxyGroup);
    m_user->setObjectName(QStringLiteral("proxyUser"));
    m_user->setPlaceholderText(tr("optional"));
    m_password = new QLineEdit(proxyGroup);
    m_password->setObjectName(QStringLiteral("proxyPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setPlaceholderText(tr("optional"));
    auto* manual = new QFormLayout;
    manual->setContentsMargins(24, 0, 0, 0);
    manual->addRow(tr("&Host:"), m_host);
    manual->addRow(tr("&Port:"), m_port);
    manual->addRow(tr("&User:"), m_user);
    manual->addRow(tr("Pass&word:"), m_password);
    proxyLayout->addLayout(manual);

    auto* agentGroup = new QGroupBox(tr("Queries"), this);
    m_userAgent = new QLineEdit(agentGroup);
    m_userAgent->setObjectName(QStringLiteral("userAgent"));
    m_userAgent->setPlaceholderText(NetworkSettings().userAgent);
    m_userAgent->setToolTip(tr("The User-Agent the sources are asked with, unless a source sets its own"));
    auto* agentLayout = new QFormLayout(agentGroup);
    agentLayout->addRow(tr("User a&gent:"), m_userAgent);
    auto* pacingNote = new QLabel(tr("A source's least interval between two queries is set on the "
                                     "Sources page. A source that answers 429 or 503 is asked again "
                                     "up to three times after the wait it asks for."),
                                  agentGroup);
    pacingNote->setWordWrap(true);
    agentLayout->addRow(pacingNote);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(proxyGroup);
    layout->addWidget(agentGroup);
    layout->addStretch();

    connect(m_choices, &QButtonGroup::idToggled, this, &NetworkPage::enableManualFields);
    showSettings(NetworkSettings());
}

void NetworkPage::showSettings(const NetworkSettings& settings)
{
    m_choices->button(static_cast<int>(settings.proxy))->setChecked(true);
    m_host->setText(settings.proxyHost);
    m_port->setValue(settings.proxyPort);
    m_user->setText(settings.proxyUser);
    m_password->setText(settings.proxyPassword);
    m_userAgent->setText(settings.userAgent == NetworkSettings().userAgent ? QString() : settings.userAgent);
    enableManualFields();
}

NetworkSettings NetworkPage::shown() const
{
    NetworkSettings settings;
    settings.proxy = static_cast<Choice>(m_choices->checkedId());
    settings.proxyHost = m_host->text().trimmed();
    settings.proxyPort = static_cast<quint16>(m_port->value());
    settings.proxyUser = m_user->text();
    settings.proxyPassword = m_password->text();
    const QString agent = m_userAgent->text().trimmed();
    if (!agent.isEmpty())
        settings.userAgent = agent;
    return settings;
}

QString NetworkPage::problem() const
{
    const NetworkSettings settings = shown();
    if (settings.proxy == Choice::Manual && (settings.proxyHost.isEmpty() || settings.proxyPort == 0))
        return tr("A manual proxy needs a host and a port.");
    // A header value cannot hold a line break, and a control character would
    // be refused by the server or end the header early.
    for (const QChar c : settings.userAgent) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return tr("The user agent cannot hold control characters.");
    }
    return {};
}

void NetworkPage::enableManualFields()
{
    const bool manual = m_choices->checkedId() == static_cast<int>(Choice::Manual);
    for (QWidget* field : std::initializer_list<QWidget*>{m_host, m_port, m_user, m_password})
        field->setEnabled(manual);
}
