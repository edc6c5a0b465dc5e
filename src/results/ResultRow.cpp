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
    for (const QString& text : cellTexts) {
        EngineCell cell;
        cell.setText(text);
        row.engines << cell;
    }
    row.complete(thresholds);
    return row;
}

EngineCell& ResultRow::engine(int sourceNumber)
{
    if (engines.size() < sourceNumber)
        engines.resize(sourceNumber);
    return engines[sourceNumber - 1];
}

const EngineCell& ResultRow::engine(int sourceNumber) const
{
    static const EngineCell missing;
    return sourceNumber >= 1 && sourceNumber <= engines.size() ? engines[sourceNumber - 1] : missing;
}

void ResultRow::complete(const RankThresholds& thresholds, const QList<bool>& countsTowardTotal)
{
    bool anyCount = false;
    qint64 sum = 0;
    for (qsizetype index = 0; index < engines.size(); ++index) {
        const EngineCell& cell = engines[index];
        if (!countsTowardTotal.value(index, true))
            continue;
        anyCount = anyCount || !cell.text.isEmpty();
        // Counts of ten digits never come near the limit; a restored or
        // hand-made row might.
        if (qAddOverflow(sum, cell.value, &sum))
            sum = cell.value < 0 ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    }
    if (!anyCount) {
        total.reset();
        rank = 0;
        return;
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
    return engine(column - ResultsColumns::firstEngine + 1).text;
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
