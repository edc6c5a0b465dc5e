#include "webgraph/WebGraphBuildText.h"

#include "webgraph/WebGraphBuildTask.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QStringList>

namespace {

using Step = WebGraphBuildProgress::Step;

// The window shows these texts in the user's language; the command line,
// which loads no translation, in English.
QString translated(const char* text)
{
    return QCoreApplication::translate("WebGraphBuildText", text);
}

QString stepText(Step step)
{
    switch (step) {
    case Step::Vertices:
        return translated(QT_TRANSLATE_NOOP("WebGraphBuildText", "Reading the vertices"));
    case Step::Sorting:
        return translated(QT_TRANSLATE_NOOP("WebGraphBuildText", "Sorting the names"));
    case Step::Edges:
        return translated(QT_TRANSLATE_NOOP("WebGraphBuildText", "Counting the edges"));
    case Step::Ranks:
        return translated(QT_TRANSLATE_NOOP("WebGraphBuildText", "Reading the ranks"));
    case Step::Counts:
        return translated(QT_TRANSLATE_NOOP("WebGraphBuildText", "Reading the counts"));
    case Step::Writing:
        return translated(QT_TRANSLATE_NOOP("WebGraphBuildText", "Writing the index"));
    }
    return {};
}

QString stepName(Step step)
{
    switch (step) {
    case Step::Vertices:
        return translated(QT_TRANSLATE_NOOP("WebGraphBuildText", "vertices"));
    case Step::Sorting:
        return translated(QT_TRANSLATE_NOOP("WebGraphBuildText", "sorting"));
    case Step::Edges:
        return translated(QT_TRANSLATE_NOOP("WebGraphBuildText", "edges"));
    case Step::Ranks:
        return translated(QT_TRANSLATE_NOOP("WebGraphBuildText", "ranks"));
    case Step::Counts:
        return translated(QT_TRANSLATE_NOOP("WebGraphBuildText", "counts"));
    case Step::Writing:
        return translated(QT_TRANSLATE_NOOP("WebGraphBuildText", "writing"));
    }
    return {};
}

QString durationText(qint64 seconds)
{
    if (seconds < 60)
        return QCoreApplication::translate("WebGraphBuildText", "%1 s").arg(seconds);
    if (seconds < 3600)
        return QCoreApplication::translate("WebGraphBuildText", "%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
    return QCoreApplication::translate("WebGraphBuildText", "%1 h %2 min").arg(seconds / 3600).arg(seconds % 3600 / 60);
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
    line += QCoreApplication::translate("WebGraphBuildText", ": %1% of %2 read")
                .arg(percent)
                .arg(c.formattedDataSize(progress.bytesTotal, 1, QLocale::DataSizeSIFormat));
    if (progress.elapsedMs >= 1000 && progress.bytesRead > 0) {
        const double bytesPerSecond = double(progress.bytesRead) * 1000 / double(progress.elapsedMs);
        const qint64 left = qint64(double(progress.bytesTotal - progress.bytesRead) / bytesPerSecond);
        line += QCoreApplication::translate("WebGraphBuildText", ", %1 MB/s, about %2 left")
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
    QString text = (domains ? QCoreApplication::translate("WebGraphBuildText", "Indexed %1 domains and %2 links")
                            : QCoreApplication::translate("WebGraphBuildText", "Indexed %1 hosts and %2 links"))
                       .arg(c.toString(header.vertexCount), c.toString(header.edgeCount));
    if (!header.release.isEmpty())
        text += QCoreApplication::translate("WebGraphBuildText", " of %1").arg(QString::fromLatin1(header.release));
    if (header.hasRanks)
        text += QCoreApplication::translate("WebGraphBuildText", ", with ranks");
    qint64 total = 0;
    QStringList steps;
    for (const WebGraphIndexBuilder::StepTime& time : task.stepTimes()) {
        total += time.ms;
        steps << QStringLiteral("%1 %2").arg(stepName(time.step), seconds(time.ms));
    }
    text += QCoreApplication::translate("WebGraphBuildText", ", in %1 (%2): %3")
                .arg(seconds(total), steps.join(QStringLiteral(", ")), QDir::toNativeSeparators(output));
    return text;
}
