#include "support/RecordingBrowser.h"

RecordingBrowser::RecordingBrowser(QObject* parent)
    : Browser(parent)
{}

void RecordingBrowser::navigate(const QUrl& address)
{
    m_navigations.append(address);
    m_requests.append(QStringLiteral("navigate ") + address.toString(QUrl::FullyEncoded));
}

void RecordingBrowser::back()
{
    m_requests.append(QStringLiteral("back"));
}

void RecordingBrowser::forward()
{
    m_requests.append(QStringLiteral("forward"));
}

void RecordingBrowser::stop()
{
    m_requests.append(QStringLiteral("stop"));
}

void RecordingBrowser::reload()
{
    m_requests.append(QStringLiteral("reload"));
}

void RecordingBrowser::clearRequests()
{
    m_requests.clear();
    m_navigations.clear();
}

void RecordingBrowser::beginLoad(const QUrl& address)
{
    m_location = address;
    emit downloadBegan();
}

void RecordingBrowser::completeLoad(const QUrl& reached)
{
    m_location = reached;
    emit downloadCompleted();
}

void RecordingBrowser::showStatus(const QString& text)
{
    emit statusTextChanged(text);
}
