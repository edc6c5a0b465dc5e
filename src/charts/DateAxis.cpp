#include "charts/DateAxis.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// The first tick of a step on or after the date.
QDate firstTick(DateAxis::Unit unit, int step, const QDate& from)
{
    switch (unit) {
    case DateAxis::Unit::Day: {
        // Julian day 0 is a Monday, so weekly steps fall on Mondays.
        const qint64 day = from.toJulianDay();
        const qint64 remainder = ((day % step) + step) % step;
        return QDate::fromJulianDay(remainder == 0 ? day : day + step - remainder);
    }
    case DateAxis::Unit::Month: {
        int months = from.year() * 12 + from.month() - 1;
        if (from.day() > 1)
            ++months;
        const int remainder = ((months % step) + step) % step;
        if (remainder != 0)
            months += step - remainder;
        return QDate(months / 12, months % 12 + 1, 1);
    }
    case DateAxis::Unit::Year: {
        int year = from.year();
        if (from.month() > 1 || from.day() > 1)
            ++year;
        const int remainder = ((year % step) + step) % step;
        if (remainder != 0)
            year += step - remainder;
        return QDate(year, 1, 1);
    }
    }
    return from;
}

QDate nextTick(DateAxis::Unit unit, int step, const QDate& tick)
{
    switch (unit) {
    case DateAxis::Unit::Day:
        return tick.addDays(step);
    case DateAxis::Unit::Month:
        return tick.addMonths(step);
    case DateAxis::Unit::Year:
        return tick.addYears(step);
    }
    return tick;
}

// The locale's short date, with the year written in full.
QString dayFormat(const QLocale& locale)
{
    static const QRegularExpression year(QStringLiteral("y+"));
    return locale.dateFormat(QLocale::ShortFormat).replace(year, QStringLiteral("yyyy"));
}

} // namespace

std::optional<QList<QDate>> DateAxis::ticksIn(const QDate& first, const QDate& last, qsizetype limit) const
{
    QList<QDate> ticks;
    for (QDate tick = firstTick(m_unit, m_step, first); tick.isValid() && tick <= last;
         tick = nextTick(m_unit, m_step, tick)) {
        if (ticks.size() == limit)
            return std::nullopt;
        ticks.append(tick);
    }
    return ticks;
}

DateAxis DateAxis::forSpan(const QDate& first, const QDate& last, int maxTicks)
{
    static const QList<std::pair<Unit, int>> steps = {
        {Unit::Day, 1},   {Unit::Day, 2},   {Unit::Day, 7},    {Unit::Day, 14},   {Unit::Month, 1},  {Unit::Month, 2},
        {Unit::Month, 3}, {Unit::Month, 6}, {Unit::Year, 1},   {Unit::Year, 2},   {Unit::Year, 5},   {Unit::Year, 10},
        {Unit::Year, 20}, {Unit::Year, 50}, {Unit::Year, 100}, {Unit::Year, 200}, {Unit::Year, 500}, {Unit::Year, 1000},
    };
    maxTicks = std::max(maxTicks, 1);
    const QDate from = std::min(first, last);
    const QDate to = std::max(first, last);
    for (const auto& [unit, step] : steps) {
        DateAxis axis(unit, step);
        const std::optional<QList<QDate>> ticks = axis.ticksIn(from, to, maxTicks);
        if (ticks && !ticks->isEmpty()) {
            axis.m_ticks = *ticks;
            return axis;
        }
    }
    // Room for one tick where no round date falls: the first day stands for
    // the span.
    DateAxis single(Unit::Day, 1);
    if (from.isValid())
        single.m_ticks = {from};
    return single;
}

QString DateAxis::label(const QDate& date, const QLocale& locale) const
{
    switch (m_unit) {
    case Unit::Day:
        return dayText(date, locale);
    case Unit::Month:
        return locale.toString(date, QStringLiteral("MMM yyyy"));
    case Unit::Year:
        return locale.toString(date, QStringLiteral("yyyy"));
    }
    return {};
}

QString DateAxis::dayText(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, dayFormat(locale));
}
