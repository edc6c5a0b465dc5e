#include "scan/WebGraphBuildDialog.h"

#include "base/AppContext.h"
#include "base/Prompts.h"
#include "webgraph/WebGraphBuildTask.h"
#include "webgraph/WebGraphBuildText.h"
#include "webgraph/WebGraphFileName.h"

#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QPushButton>

#include <utility>

namespace {

QString caption()
{
    return WebGraphBuildDialog::tr("Build Index");
}

QString graphFiles()
{
    return WebGraphBuildDialog::tr("Web-graph files (*.gz *.txt *.tsv);;All Files (*)");
}

} // namespace

WebGraphBuildDialog::WebGraphBuildDialog(AppContext& context, QWidget* window)
    : QObject(window)
    , m_context(context)
    , m_window(window)
{}

QString WebGraphBuildDialog::defaultIndexPath(const ApplicationFolder& folder, const QString& verticesFile,
                                              const QString& currentIndex)
{
    const WebGraphFileName naming = WebGraphFileName::of(verticesFile);
    QString name = naming.release.isEmpty() ? QStringLiteral("webgraph") : QString::fromLatin1(naming.release);
    if (naming.level)
        name += naming.level == WebGraphFormat::Level::Domain ? QStringLiteral("-domain") : QStringLiteral("-host");
    const QDir place = currentIndex.isEmpty() ? QDir(folder.filePath(QStringLiteral("WebGraph")))
                                              : QFileInfo(currentIndex).absoluteDir();
    return place.filePath(name + QStringLiteral(".qvg"));
}

bool WebGraphBuildDialog::start(const QString& currentIndex)
{
    if (isRunning())
        return false;
    Prompts& prompts = m_context.prompts;
    const QString vertices =
        prompts.openFile(tr("Build Index: the Vertices File"), graphFiles(), m_context.folder.path());
    if (vertices.isEmpty())
        return false;
    const QString graphFolder = QFileInfo(vertices).absolutePath();
    const QString edges = prompts.openFile(tr("Build Index: the Edges File"), graphFiles(), graphFolder);
    if (edges.isEmpty())
        return false;
    const QString ranks =
        prompts.openFile(tr("Build Index: the Ranks File (Cancel to build without ranks)"), graphFiles(), graphFolder);
    const QString suggested = defaultIndexPath(m_context.folder, vertices, currentIndex);
    // The dialog opens in the folder of the suggestion, which may be new.
    QDir().mkpath(QFileInfo(suggested).absolutePath());
    m_output =
        prompts.saveFile(tr("Build Index: Save the Index As"), tr("Web-graph index (*.qvg);;All Files (*)"), suggested);
    if (m_output.isEmpty())
        return false;

    WebGraphBuildRequest request;
    request.vertices = vertices;
    request.edges = edges;
    request.ranks = ranks;
    request.output = m_output;
    m_task = new WebGraphBuildTask(request, this);
    connect(m_task, &WebGraphBuildTask::progressed, this, &WebGraphBuildDialog::progressed);
    connect(m_task, &WebGraphBuildTask::finished, this, &WebGraphBuildDialog::ended);

    m_progress = new QProgressDialog(tr("Reading the vertices"), tr("Cancel"), 0, 100, m_window);
    m_progress->setObjectName(QStringLiteral("webGraphBuildProgress"));
    m_progress->setWindowTitle(tr("Building the Web-Graph Index"));
    m_progress->setAccessibleName(tr("Web-graph index build"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setMinimumDuration(0);
    m_progress->setMinimumWidth(m_progress->fontMetrics().averageCharWidth() * 70);
    if (auto* cancel = m_progress->findChild<QPushButton*>())
        cancel->setToolTip(tr("Stop the build; an earlier index stays as it was"));
    connect(m_progress, &QProgressDialog::canceled, this, [this] {
        if (m_task)
            m_task->cancel();
    });
    m_progress->setValue(0);
    m_progress->show();
    m_task->start();
    return true;
}

bool WebGraphBuildDialog::isRunning() const
{
    return m_task != nullptr;
}

void WebGraphBuildDialog::progressed(const WebGraphBuildProgress& progress)
{
    if (!m_progress || m_progress->wasCanceled())
        return;
    m_progress->setLabelText(WebGraphBuildText::progressLine(progress));
    if (progress.bytesTotal > 0)
        m_progress->setValue(int(100 * progress.bytesRead / progress.bytesTotal));
}

void WebGraphBuildDialog::ended()
{
    if (m_progress) {
        m_progress->hide();
        m_progress->deleteLater();
        m_progress = nullptr;
    }
    // The task is telling of its end: it goes once that is done.
    WebGraphBuildTask* task = std::exchange(m_task, nullptr);
    task->deleteLater();
    const QString output = QDir::toNativeSeparators(m_output);
    QString built;
    switch (task->result()) {
    case WebGraphIndexBuilder::Result::Built:
        built = m_output;
        m_context.prompts.information(WebGraphBuildText::summary(*task, m_output) + u'.', caption());
        break;
    case WebGraphIndexBuilder::Result::Cancelled:
        m_context.prompts.information(
            QFileInfo::exists(m_output)
                ? tr("The build was cancelled: no index was written, and %1 is as it was.").arg(output)
                : tr("The build was cancelled: no index was written."),
            caption());
        break;
    case WebGraphIndexBuilder::Result::BadInput:
    case WebGraphIndexBuilder::Result::NotWritten:
        m_context.prompts.error(tr("The index %1 was not built.\n\n%2").arg(output, task->errorString()), caption());
        break;
    }
    emit finished(built);
}
