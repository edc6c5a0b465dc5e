#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The key a saved search stores a save's date under: "mm-dd-yy".
namespace SavedDateKey {

QString fromDate(const QDate& date);

// The date of a key (spaces around it allowed). The year yy is 20yy, or
// 19yy when 20yy would put the date more than a year after today. Nothing
// for a key that is no such date.
std::optional<QDate> toDate(const QString& key, const QDate& today);

struct DatedKey
{
    QString key;
    std::optional<QDate> date;
    int position = 0; // in the keys given
};

// The keys oldest first, as history reads. Keys of the same date keep their
// order; keys that are no date follow the dates in the order given, since
// nothing tells where they belong.
QList<DatedKey> inDateOrder(const QStringList& keys, const QDate& today);

} // namespace SavedDateKey
