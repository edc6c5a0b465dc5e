#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The counts of one results row waiting to be saved: one line per engine
// column, caption + ":" + count text, each ended by a line feed.
struct SavedCount
{
    QString caption;
    QString count;
};

namespace SaveData {

// Pairs captions and cell texts by position; extra entries of the longer
// list are ignored.
QString build(const QStringList& captions, const QStringList& counts);

// Every complete line (text after the last line feed is not used): the
// caption is the text before the first ":", the count the text between the
// first and the second ":". Lines without ":" carry no count and are left out.
QList<SavedCount> parse(const QString& saveData);

// A cell showing exactly this text is not saved.
inline constexpr char notSaved[] = "-";

} // namespace SaveData
