#include "app/ScanEndNotifier.h"

#include <QWidget>

ScanEndNotifier::ScanEndNotifier(const QWidget* window, Notify notify, QObject* parent,
                                 std::chrono::milliseconds longScan)
    : QObject(parent)
    , m_window(window)
    , m_notify(std::move(notify))
    , m_longScan(longScan)
{}

void ScanEndNotifier::scanStarted()
{
    m_sinceStart.start();
}

void ScanEndNotifier::scanCompleted(int sites, int failedQueries)
{
    if (!m_sinceStart.isValid())
        return;
    const std::chrono::milliseconds elapsed(m_sinceStart.elapsed());
    m_sinceStart.invalidate();
    const QString text = noticeFor(elapsed, m_longScan, m_window->isActiveWindow(), sites, failedQueries);
    if (!text.isEmpty() && m_notify)
        m_notify(text);
}

QString ScanEndNotifier::noticeFor(std::chrono::milliseconds elapsed, std::chrono::milliseconds longScan,
                                   bool windowActive, int sites, int failedQueries)
{
    // The user watching the window sees the end in the status bar.
    if (windowActive || elapsed <= longScan)
        return {};
    return tr("Scan complete: %1 %2, %3 %4 failed")
        .arg(sites)
        .arg(sites == 1 ? tr("site") : tr("sites"))
        .arg(failedQueries)
        .arg(failedQueries == 1 ? tr("query") : tr("queries"));
}
