#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <chrono>
#include <functional>

class QWidget;

// Tells the user who went on in another window that a long scan has
// completed: when a scan that took longer than `longScan` completes while
// the main window is not the active one, `notify` gets the text "Scan
// complete: N sites, K queries failed" (the program passes it on as a
// desktop notification).
class ScanEndNotifier : public QObject
{
    Q_OBJECT

public:
    using Notify = std::function<void(const QString& text)>;

    ScanEndNotifier(const QWidget* window, Notify notify, QObject* parent = nullptr,
                    std::chrono::milliseconds longScan = std::chrono::seconds(30));

    void scanStarted();
    void scanCompleted(int sites, int failedQueries);

    // The text for a scan that completed after `elapsed`; the empty text
    // when no notification is due.
    static QString noticeFor(std::chrono::milliseconds elapsed, std::chrono::milliseconds longScan, bool windowActive,
                             int sites, int failedQueries);

private:
    const QWidget* m_window;
    Notify m_notify;
    std::chrono::milliseconds m_longScan;
    QElapsedTimer m_sinceStart;
};
