#include "webgraph/WebGraphBuildText.h"

#include "webgraph/WebGraphBuildTask.h"

#include <QDir>
#include <QLocale>
#include <QStringList>

namespace {

using Step = WebGraphBuildProgress::Step;

QString stepText(Step step)
{
    switch (step) {
    case Step::Vertices:
        return QStringLiteral("Reading the vertices");
    case Step::Sorting:
        return QStringLiteral("Sorting the names");
    case Step::Edges:
        return QStringLiteral("Counting the edges");
    case Step::Ranks:
        return QStringLiteral("Reading the ranks");
    case Step::Counts:
        return QStringLiteral("Reading the counts");
    case Step::Writing:
        return QStringLiteral("Writing the index");
    }
    return {};
}

QString stepName(Step step)
{
    switch (step) {
    case Step::Vertices:
        return QStringLiteral("vertices");
    case Step::Sorting:
        return QStringLiteral("sorting");
    case Step::Edges:
        return QStringLiteral("edges");
    case Step::Ranks:
        return QStringLiteral("ranks");
    case Step::Counts:
        return QStringLiteral("counts");
    case Step::Writing:
        return QStringLiteral("writing");
    }
    return {};
}

QString durationText(qint64 seconds)
{
    if (seconds < 60)
        return QStringLiteral("%1 s").arg(seconds);
    if (seconds < 3600)
        return QStringLiteral("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
    return QStringLiteral("%1 h %2 min").arg(seconds / 3600).arg(seconds % 3600 / 60);
}

QString seconds(qint64 ms)
{
    return QStringLiteral("%1 s").arg(double(ms) / 1000, 0, 'f', 2);
}

} // namespace

QString WebGraphBuildText::progressLine(const WebGraphBuildProgress& progress)
{
    const QLocale c = QLocale::c();
    QString line = stepText(progress.step);
    if (progress.bytesTotal <= 0)
        return line;
    const int percent = int(100 * progress.bytesRead / progress.bytesTotal);
    line += QStringLiteral(": %1% of %2 read")
                .arg(percent)
                .arg(c.formattedDataSize(progress.bytesTotal, 1, QLocale::DataSizeSIFormat));
    if (progress.elapsedMs >= 1000 && progress.bytesRead > 0) {
        const double bytesPerSecond = double(progress.bytesRead) * 1000 / double(progress.elapsedMs);
        const qint64 left = qint64(double(progress.bytesTotal - progress.bytesRead) / bytesPerSecond);
        line += QStringLiteral(", %1 MB/s, about %2 left")
                    .arg(bytesPerSecond / 1e6, 0, 'f', bytesPerSecond < 1e7 ? 1 : 0)
                    .arg(durationText(left));
    }
    return line;
}

QString WebGraphBuildText::summary(const WebGraphBuildTask& task, const QString& output)
{
    const WebGraphFormat::Header& header = task.header();
    const QLocale c = QLocale::c();
    const bool domains = header.level == WebGraphFormat::Level::Domain;
    QString text = QStringLiteral("Indexed %1 %2").arg(c.toString(header.vertexCount), domains ? "domains" : "hosts");
    text += QStringLiteral(" and %1 links").arg(c.toString(header.edgeCount));
    if (!header.release.isEmpty())
        text += QStringLiteral(" of %1").arg(QString::fromLatin1(header.release));
    if (header.hasRanks)
        text += QStringLiteral(", with ranks");
    qint64 total = 0;
    QStringList steps;
    for (const WebGraphIndexBuilder::StepTime& time : task.stepTimes()) {
        total += time.ms;
        steps << QStringLiteral("%1 %2").arg(stepName(time.step), seconds(time.ms));
    }
    text += QStringLiteral(", in %1 (%2): %3")
                .arg(seconds(total), steps.join(QStringLiteral(", ")), QDir::toNativeSeparators(output));
    return text;
}
