#pragma once

#include "webgraph/WebGraphIndexBuilder.h"

#include <QObject>

#include <atomic>

class QThread;

// Builds an index on a worker thread: progressed() and finished() arrive on
// the thread that owns the task, so a window or the command line can show
// them, and cancel() stops the build soon after.
class WebGraphBuildTask : public QObject
{
    Q_OBJECT

public:
    explicit WebGraphBuildTask(const WebGraphBuildRequest& request, QObject* parent = nullptr);
    // Cancels a build still running and waits for it.
    ~WebGraphBuildTask() override;

    void start();
    void cancel() { m_cancel.store(true); }
    // Set from anywhere, even a signal handler, it cancels the build.
    std::atomic<bool>& cancelFlag() { return m_cancel; }
    bool isRunning() const;

    // After finished().
    WebGraphIndexBuilder::Result result() const { return m_result; }
    QString errorString() const { return m_builder.errorString(); }
    const WebGraphFormat::Header& header() const { return m_builder.header(); }
    QList<WebGraphIndexBuilder::StepTime> stepTimes() const { return m_builder.stepTimes(); }

signals:
    void progressed(const WebGraphBuildProgress& progress);
    void finished();

private:
    std::atomic<bool> m_cancel{false};
    WebGraphIndexBuilder m_builder;
    WebGraphIndexBuilder::Result m_result = WebGraphIndexBuilder::Result::Cancelled;
    QThread* m_thread = nullptr;
};
