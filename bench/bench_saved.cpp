// Times reading saved searches: a ten-year daily history of the six engines
// and a file of 100,000 lines, each read on its own, built into the "All
// Engines" chart, and loaded through the chart view as the user does it.
// Run by hand; a Release build gives the figures that count.

#include "StepTiming.h"
#include "TenYearHistory.h"
#include "charts/ChartPanel.h"
#include "charts/SavedSearchChart.h"
#include "support/TestContext.h"

#include <QApplication>
#include <QComboBox>
#include <QTextStream>

namespace {

constexpr int largeFileLines = 100000;
constexpr int linesPerSection = 25; // the header and 24 dates

// Sections of 24 dates each, every one under a name of its own, up to
// 100,000 lines.
QByteArray largeFile()
{
    QByteArray bytes;
    for (int section = 0; section < largeFileLines / linesPerSection; ++section) {
        bytes += "[Engine " + QByteArray::number(section) + "]\r\n";
        for (int date = 1; date < linesPerSection; ++date)
            bytes +=
                "01-" + QByteArray::number(date).rightJustified(2, '0') + "-06=" + QByteArray::number(date) + "\r\n";
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    runOffscreenUnlessAsked();
    QApplication app(argc, argv);
    QTextStream out(stdout);

    TestContext test;
    const QString history = QStringLiteral("history.qvh");
    const QString large = QStringLiteral("large.qvh");
    if (!test.folder.writeFile(QStringLiteral("Saved/") + history, tenYearHistory()) ||
        !test.folder.writeFile(QStringLiteral("Saved/") + large, largeFile())) {
        out << "the saved searches could not be written\n";
        return 1;
    }
    const QString savedFolder = test.context.folder.savedFolder();

    for (const QString& name : {history, large}) {
        std::optional<SavedSearchChart> chart;
        measure(out, QStringLiteral("read %1").arg(name), [&] {
            chart = SavedSearchChart::read(savedFolder + QLatin1Char('/') + name, name, test.clock.today());
        });
        if (!chart) {
            out << "the saved search could not be read\n";
            return 1;
        }
        ChartGrid grid;
        measure(out, QStringLiteral("build All Engines of %1").arg(name),
                [&] { grid = chart->grid(chart->engineCount()); });
        out << "  " << chart->engineCount() << " engines, " << grid.rowCount() << " dates\n";
    }

    ChartPanel panel(test.context);
    panel.resize(900, 600);
    panel.show();
    QCoreApplication::processEvents();
    for (const QString& name : {history, large}) {
        measure(out, QStringLiteral("chart view: load %1").arg(name), [&] { panel.drawSavedSearchChart(name); });
        QComboBox* selector = panel.engineSelector();
        measure(out, QStringLiteral("chart view: choose All Engines of %1").arg(name),
                [&] { selector->setCurrentIndex(selector->count() - 1); });
    }
    return 0;
}
