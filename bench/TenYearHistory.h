#pragma once

#include "engines/EngineTable.h"
#include "saved/SavedDateKey.h"

#include <QByteArray>
#include <QDate>

#include <cmath>

inline constexpr int historyDays = 3650;

// A saved search of the six engines with one date per day for ten years,
// the newest first, as daily saves leave it; counts that wander, as real
// ones do.
inline QByteArray tenYearHistory()
{
    const QDate newest(2026, 12, 8);
    QByteArray bytes;
    for (const Engine& engine : engines()) {
        bytes += "\r\n[" + QByteArray(engine.columnHeader) + "]\r\n";
        for (int day = 0; day < historyDays; ++day) {
            const int count = 1000000 + day * engine.number * 7 + static_cast<int>(5000 * std::sin(day * 0.05));
            bytes += SavedDateKey::fromDate(newest.addDays(-day)).toLatin1() + '=' + QByteArray::number(count) + "\r\n";
        }
    }
    return bytes;
}
