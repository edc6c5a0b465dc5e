#include "charts/ExampleChart.h"

#include <QCoreApplication>

#include <array>

ChartGrid exampleChart()
{
    struct Series
    {
        const char* name;
        std::array<int, 6> counts;
    };
    static const std::array<Series, 6> series = {{
        {"Google", {412, 468, 503, 577, 640, 712}},
        {"Yahoo", {356, 371, 420, 447, 489, 530}},
        {"Altavista", {198, 205, 233, 241, 262, 280}},
        {"MSN", {231, 254, 262, 298, 315, 351}},
        {"Teoma", {84, 97, 109, 126, 133, 152}},
        {"AllTheWeb", {142, 150, 171, 169, 188, 204}},
    }};

    ChartGrid grid;
    grid.setTitle(QCoreApplication::translate("ExampleChart", "Example Popularity Over Time Chart"));
    grid.setCategoryAxisTitle(QCoreApplication::translate("ExampleChart", "Search Date"));
    grid.setValueAxisTitle(QCoreApplication::translate("ExampleChart", "Linking Sites"));
    grid.setColumnCount(static_cast<int>(series.size()));
    grid.setRowCount(6);
    for (int row = 0; row < 6; ++row)
        grid.setRowLabel(row, QStringLiteral("%1/04").arg(row + 4, 2, 10, QLatin1Char('0')));
    for (int column = 0; column < grid.columnCount(); ++column) {
        grid.setColumnLabel(column, QString::fromLatin1(series[column].name));
        for (int row = 0; row < 6; ++row)
            grid.setValue(row, column, series[column].counts[row]);
    }
    return grid;
}
