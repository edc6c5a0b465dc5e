#include "webgraph/WebGraphIndexCommand.h"

#include "base/TerminationSignals.h"
#include "webgraph/WebGraphBuildTask.h"
#include "webgraph/WebGraphBuildText.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>

#include <csignal>
#include <optional>

namespace {

using Step = WebGraphBuildProgress::Step;

// A line every few seconds, and at each new step.
constexpr qint64 progressLineIntervalMs = 5000;

} // namespace

int WebGraphIndexCommand::run(const Options& options, QTextStream& messages)
{
    WebGraphBuildRequest request;
    request.vertices = options.vertices;
    request.edges = options.edges;
    request.ranks = options.ranks;
    request.counts = options.counts;
    request.output = options.output;
    WebGraphBuildTask task(request);
    TerminationSignals interrupts(task.cancelFlag());

    QEventLoop loop;
    QObject::connect(&task, &WebGraphBuildTask::finished, &loop, &QEventLoop::quit);
    std::optional<Step> shownStep;
    qint64 shownAt = 0;
    if (!options.quiet) {
        QObject::connect(&task, &WebGraphBuildTask::progressed, &loop, [&](const WebGraphBuildProgress& progress) {
            if (shownStep == progress.step && progress.elapsedMs - shownAt < progressLineIntervalMs)
                return;
            shownStep = progress.step;
            shownAt = progress.elapsedMs;
            messages << WebGraphBuildText::progressLine(progress) << '\n';
            messages.flush();
        });
    }
    task.start();
    loop.exec();

    switch (task.result()) {
    case WebGraphIndexBuilder::Result::Built:
        if (!options.quiet)
            messages << WebGraphBuildText::summary(task, options.output) << '\n';
        return Built;
    case WebGraphIndexBuilder::Result::Cancelled:
        messages << QStringLiteral("Interrupted: no index was written")
                 << (QFileInfo::exists(options.output)
                         ? QStringLiteral(", and %1 is as it was.\n").arg(QDir::toNativeSeparators(options.output))
                         : QStringLiteral(".\n"));
        return 128 + (TerminationSignals::received() ? TerminationSignals::received() : SIGINT);
    case WebGraphIndexBuilder::Result::BadInput:
        messages << task.errorString() << '\n';
        return BadInput;
    case WebGraphIndexBuilder::Result::NotWritten:
        messages << task.errorString() << '\n';
        return NotWritten;
    }
    return NotWritten;
}
