#include "results/ResultRow.h"

#include "results/CountValue.h"
#include "results/ResultsColumns.h"

#include <QtNumeric>

#include <algorithm>
#include <limits>

void EngineCell::setText(const QString& cellText)
{
    text = cellText;
    value = countValue(cellText).value_or(0);
}

ResultRow ResultRow::completed(const QString& site, const QStringList& cellTexts, const RankThresholds& thresholds)
{
    ResultRow row{site, {}, {}, 0};
    for (int engine = 1; engine <= engineCount; ++engine)
        row.engine(engine).setText(cellTexts.value(engine - 1));
    row.complete(thresholds);
    return row;
}

void ResultRow::complete(const RankThresholds& thresholds)
{
    if (std::all_of(engines.cbegin(), engines.cend(), [](const EngineCell& cell) { return cell.text.isEmpty(); })) {
        total.reset();
        rank = 0;
        return;
    }
    qint64 sum = 0;
    for (const EngineCell& cell : engines) {
        // Counts of ten digits never come near the limit; a restored or
        // hand-made row might.
        if (qAddOverflow(sum, cell.value, &sum))
            sum = cell.value < 0 ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    }
    total = sum;
    rank = rankOf(sum, thresholds);
}

QString ResultRow::columnText(int column) const
{
    if (column == ResultsColumns::domainName)
        return site;
    if (column == ResultsColumns::total)
        return total ? QString::number(*total) : QString();
    const int engineNumber = column - ResultsColumns::firstEngine + 1;
    if (engineNumber < 1 || engineNumber > engineCount)
        return {};
    return engine(engineNumber).text;
}

int rankOf(qint64 total, const RankThresholds& thresholds)
{
    if (total < thresholds.low)
        return 1;
    if (total >= thresholds.boundary)
        return 3;
    return 2;
}

QString rankName(int rank)
{
    switch (rank) {
    case 1:
        return QStringLiteral("low");
    case 2:
        return QStringLiteral("medium");
    case 3:
        return QStringLiteral("high");
    default:
        return {};
    }
}
