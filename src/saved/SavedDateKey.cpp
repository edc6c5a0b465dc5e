#include "saved/SavedDateKey.h"

#include <QRegularExpression>

#include <algorithm>
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

QList<SavedDateKey::DatedKey> SavedDateKey::inDateOrder(const QStringList& keys, const QDate& today)
{
    QList<DatedKey> dated;
    dated.reserve(keys.size());
    for (int position = 0; position < keys.size(); ++position)
        dated.append({keys[position], toDate(keys[position], today), position});
    std::stable_sort(dated.begin(), dated.end(), [](const DatedKey& a, const DatedKey& b) {
        if (a.date && b.date)
            return *a.date < *b.date;
        return a.date.has_value() && !b.date.has_value();
    });
    return dated;
}
