#pragma once

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

// The ticks of a time axis. The step is the smallest of 1, 2, 7 or 14 days,
// 1, 2, 3 or 6 months, or 1, 2, 5, 10, 20, ... years that leaves no more
// ticks in the span than asked for, so a short history is marked by days,
// a longer one by months, a long one by years. Ticks fall on round dates:
// weeks on Mondays, months on their first day, years on the first of January.
class DateAxis
{
public:
    enum class Unit { Day, Month, Year };

    // The ticks from `first` to `last` (both included), at most `maxTicks`
    // of them when any step allows that (at least one tick is asked for).
    static DateAxis forSpan(const QDate& first, const QDate& last, int maxTicks);

    Unit unit() const { return m_unit; }
    int step() const { return m_step; }
    const QList<QDate>& ticks() const { return m_ticks; }

    // A tick's label in the locale's own way of writing dates: the short
    // date with the full year for days, the month's short name and the year
    // for months, the year for years. Four-digit years, as a history can
    // run over more than a century of two-digit years.
    QString label(const QDate& date, const QLocale& locale) const;
    // A day as the labels write it: the locale's short date, four-digit year.
    static QString dayText(const QDate& date, const QLocale& locale);

private:
    DateAxis(Unit unit, int step)
        : m_unit(unit)
        , m_step(step)
    {}

    // The ticks in the span, or nothing once there are more than `limit`.
    std::optional<QList<QDate>> ticksIn(const QDate& first, const QDate& last, qsizetype limit) const;

    Unit m_unit;
    int m_step;
    QList<QDate> m_ticks;
};
