#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The key a saved search stores a save's date under: "mm-dd-yy".
namespace SavedDateKey {

QString fromDate(const QDate& date);

// The date of a key (spaces around it allowed). The year yy is 20yy, or
// 19yy when 20yy would put the date more than a year after today. Nothing
// for a key that is no such date.
std::optional<QDate> toDate(const QString& key, const QDate& today);

} // namespace SavedDateKey
