#include "saved/SavedDateKey.h"

#include <QRegularExpression>

#include <cstdlib>

QString SavedDateKey::fromDate(const QDate& date)
{
    const auto twoDigits = [](int number) { return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')); };
    return twoDigits(date.month()) + u'-' + twoDigits(date.day()) + u'-' + twoDigits(std::abs(date.year()) % 100);
}

std::optional<QDate> SavedDateKey::toDate(const QString& key, const QDate& today)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{2})-([0-9]{2})-([0-9]{2})$"));
    const QRegularExpressionMatch match = pattern.match(key.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int month = match.captured(1).toInt();
    const int day = match.captured(2).toInt();
    const int yy = match.captured(3).toInt();
    const QDate date(2000 + yy, month, day);
    if (!date.isValid())
        return std::nullopt;
    if (date > today.addYears(1))
        return QDate(1900 + yy, month, day);
    return date;
}
