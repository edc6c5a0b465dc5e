// Times a ten-year daily history of the six engines (3650 dates each) in
// every chart type, offscreen: loading it from the saved search into the
// "All Engines" chart, the first paint of the chart, a repaint of the
// unchanged chart (an expose), and a redraw after a change (a turn of a 3D
// chart, the spacing of a flat one). Run by hand; a Release build gives the
// figures that count. Goals: load and first paint within 200 ms, a repaint
// within 16 ms.

#include "StepTiming.h"
#include "TenYearHistory.h"
#include "charts/ChartTypes.h"
#include "charts/ChartWidget.h"
#include "charts/SavedSearchChart.h"
#include "support/TestContext.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <limits>

namespace {

constexpr int repeats = 5;
const QStringList typeNames = {"3D Bar Chart",  "2D Bar Chart",  "3d Line Graph", "2D Line Graph",
                               "3D Area Chart", "2D Area Chart", "3D Step Chart", "2D Step Chart"};

double millisecondsOf(const std::function<void()>& step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return timer.nsecsElapsed() / 1e6;
}

// The least of several runs: what the step costs without the machine's noise.
double bestOf(const std::function<void()>& step)
{
    double best = std::numeric_limits<double>::max();
    for (int run = 0; run < repeats; ++run)
        best = std::min(best, millisecondsOf(step));
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    runOffscreenUnlessAsked();
    QApplication app(argc, argv);
    QTextStream out(stdout);

    TestContext test;
    const QString name = QStringLiteral("history.qvh");
    if (!test.folder.writeFile(QStringLiteral("Saved/") + name, tenYearHistory())) {
        out << "the saved search could not be written\n";
        return 1;
    }
    const QString path = test.context.folder.savedFolder() + QLatin1Char('/') + name;

    out << "A ten-year daily history, " << historyDays << " dates x 6 engines, charted at 900 x 600\n";
    out << qSetFieldWidth(16) << Qt::left << "chart type" << qSetFieldWidth(12) << Qt::right << "load ms"
        << "first paint"
        << "sum"
        << "repaint"
        << "redraw" << qSetFieldWidth(0) << "\n";
    for (int type = 0; type < typeNames.size(); ++type) {
        ChartGrid grid;
        const double load = millisecondsOf([&] {
            const std::optional<SavedSearchChart> chart = SavedSearchChart::read(path, name, test.clock.today());
            if (chart)
                grid = chart->grid(chart->engineCount());
        });
        if (grid.rowCount() != historyDays) {
            out << "the saved search could not be read\n";
            return 1;
        }
        ChartWidget chart;
        chart.resize(900, 600);
        chart.setChartType(type);
        chart.setGrid(grid);
        const double firstPaint = millisecondsOf([&] { chart.grab(); });
        const double repaint = bestOf([&] { chart.grab(); });
        bool turned = false;
        const double redraw = bestOf([&] {
            if (ChartTypes::isThreeD(type))
                chart.setViewAngle({chart.viewAngle().yaw + (turned ? 5 : -5), chart.viewAngle().pitch});
            else
                chart.setSpaceDatesByTime(turned);
            turned = !turned;
            chart.grab();
        });
        out << qSetFieldWidth(16) << Qt::left << typeNames[type] << qSetFieldWidth(12) << Qt::right
            << QString::number(load, 'f', 1) << QString::number(firstPaint, 'f', 1)
            << QString::number(load + firstPaint, 'f', 1) << QString::number(repaint, 'f', 2)
            << QString::number(redraw, 'f', 1) << qSetFieldWidth(0) << "\n";
        out.flush();
    }
    return 0;
}
