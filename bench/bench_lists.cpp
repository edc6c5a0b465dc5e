// Times the two bulk operations of the URL list and the results table:
// loading a full list file into the URL list and sorting a full results
// table. Run by hand; a Release build gives the figures that count.

#include "StepTiming.h"
#include "app/MainWindow.h"
#include "lists/UrlListCommands.h"
#include "results/ResultsView.h"
#include "results/ScanResults.h"
#include "results/ResultsSortProxy.h"
#include "support/TestContext.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTextStream>

namespace {

constexpr int rows = UrlListCommands::maxUrls;

QByteArray listFile()
{
    QByteArray bytes;
    for (int line = 0; line < rows; ++line)
        bytes += "http://www.site-number-" + QByteArray::number(line) + ".example.com\r\n";
    return bytes;
}

void fillResults(ScanResults* results)
{
    QRandomGenerator random(20261208);
    QList<ResultRow> all;
    all.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        QStringList cells;
        for (int engine = 0; engine < 6; ++engine)
            cells << (random.bounded(20) == 0 ? QString() : QString::number(random.bounded(5000000)));
        all << ResultRow::completed(QStringLiteral("http://www.site-%1.example.com").arg(random.bounded(1000000)),
                                    cells, {});
    }
    results->setRows(all);
}

} // namespace

int main(int argc, char** argv)
{
    runOffscreenUnlessAsked();
    QApplication app(argc, argv);
    QTextStream out(stdout);

    TestContext test;
    MainWindow window(test.context, test.makeBrowser);
    window.show();
    QCoreApplication::processEvents();

    test.folder.writeFile(QStringLiteral("Lists/full.txt"), listFile());
    test.prompts.queueText(test.folder.filePath(QStringLiteral("Lists/full.txt")));
    measure(out, QStringLiteral("load %1-line list file").arg(rows), [&] { window.urlListCommands()->loadList(); });
    if (window.urlListCommands()->urls().size() != rows) {
        out << "the list file did not load completely\n";
        return 1;
    }

    ResultsView* view = window.resultsView();
    fillResults(window.results());
    QCoreApplication::processEvents();
    measure(out, QStringLiteral("sorted copy of %1 rows by Total (no table)").arg(rows),
            [&] { view->shownResults()->rowsSortedBy(ResultsColumns::total, Qt::AscendingOrder); });
    measure(out, QStringLiteral("sort %1 rows by Total, ascending").arg(rows),
            [&] { view->sortByColumn(ResultsColumns::total, Qt::AscendingOrder); });
    measure(out, QStringLiteral("sort %1 rows by Total, descending").arg(rows),
            [&] { view->sortByColumn(ResultsColumns::total, Qt::DescendingOrder); });
    measure(out, QStringLiteral("sort %1 rows by Google, ascending").arg(rows),
            [&] { view->sortByColumn(ResultsColumns::firstEngine, Qt::AscendingOrder); });
    measure(out, QStringLiteral("sort %1 rows by Domain Name, ascending").arg(rows),
            [&] { view->sortByColumn(ResultsColumns::domainName, Qt::AscendingOrder); });
    return 0;
}
