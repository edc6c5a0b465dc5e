// Reads a saved-search file of any bytes as a chart and builds the grid of
// every entry of the engine selector.
#include "FuzzSupport.h"

#include "charts/SavedSearchChart.h"

#include <QDate>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = FuzzSupport::scratchPath(QStringLiteral("site.qvh"));
    FuzzSupport::writeScratch(path, FuzzSupport::bytesOf(data, size));
    // A fixed day, so that a kept input reads the same on every run.
    const QDate today(2006, 3, 1);
    const std::optional<SavedSearchChart> read = SavedSearchChart::read(path, QStringLiteral("site.qvh"), today);
    if (!read)
        FuzzSupport::fail(QStringLiteral("an existing file could not be read"));
    const SavedSearchChart& chart = *read;
    const qsizetype entries = chart.selectorEntries().size();
    if (entries != chart.engineCount() + 1)
        FuzzSupport::fail(QStringLiteral("%1 selector entries for %2 engines").arg(entries).arg(chart.engineCount()));
    for (int entry = 0; entry < entries; ++entry) {
        const ChartGrid grid = chart.grid(entry);
        grid.largestValue();
        for (int column = 0; column < grid.columnCount(); ++column)
            grid.valueRuns(column);
        chart.drawsSingleDateSeries(entry);
    }
    return 0;
}
