#include "webgraph/WebGraphBuildTask.h"

#include <QThread>

WebGraphBuildTask::WebGraphBuildTask(const WebGraphBuildRequest& request, QObject* parent)
    : QObject(parent)
    , m_builder(request, m_cancel, [this](const WebGraphBuildProgress& progress) { emit progressed(progress); })
{}

WebGraphBuildTask::~WebGraphBuildTask()
{
    if (m_thread) {
        cancel();
        m_thread->wait();
    }
}

void WebGraphBuildTask::start()
{
    if (m_thread)
        return;
    m_thread = QThread::create([this] { m_result = m_builder.build(); });
    m_thread->setParent(this);
    connect(m_thread, &QThread::finished, this, &WebGraphBuildTask::finished);
    m_thread->start();
}

bool WebGraphBuildTask::isRunning() const
{
    return m_thread && m_thread->isRunning();
}
