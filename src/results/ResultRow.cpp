#include "results/ResultRow.h"

#include "engines/CountText.h"
#include "results/ResultsColumns.h"

#include <QtNumeric>

#include <limits>

QString EngineCell::text() const
{
    return CountText::of(count);
}

ResultRow ResultRow::completed(const QString& site, const QStringList& cellTexts, const RankThresholds& thresholds)
{
    ResultRow row{site, {}, {}, 0};
    for (const QString& text : cellTexts)
        row.engines << EngineCell{CountText::number(text), {}};
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
        if (!cell.count || !countsTowardTotal.value(index, true))
            continue;
        anyCount = true;
        // Counts of ten digits never come near the limit; a hand-made row
        // might.
        if (qAddOverflow(sum, *cell.count, &sum))
            sum = std::numeric_limits<qint64>::max();
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
    return CountText::of(columnNumber(column));
}

std::optional<qint64> ResultRow::columnNumber(int column) const
{
    if (column == ResultsColumns::total)
        return total;
    if (column < ResultsColumns::firstEngine)
        return std::nullopt;
    return engine(column - ResultsColumns::firstEngine + 1).count;
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
