#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One source's history in a saved search: the date keys of its section with
// their counts, in file order (the most recent save first).
class SavedSeries
{
public:
    // Reads the lines of a section, "date=count" each. Lines without "="
    // are not dates and are left out. The count is the text between the
    // first and the second "=", read by CountText: one that is no count
    // (the empty text saved for a source without a count, among others)
    // has no value.
    static SavedSeries fromLines(const QStringList& lines);

    int size() const { return static_cast<int>(m_dates.size()); }
    bool isEmpty() const { return m_dates.isEmpty(); }

    QString date(int index) const { return m_dates.value(index); }
    const QStringList& dates() const { return m_dates; }
    std::optional<qint64> count(int index) const;

    // The count saved under the key: that of its first line, as the save
    // of a date replaces its first line. Nothing for a key not saved.
    std::optional<qint64> countOf(const QString& key) const;

    // The counts that have a value, in order: what the scale is chosen from.
    QList<qint64> knownCounts() const;

private:
    QStringList m_dates;
    QList<std::optional<qint64>> m_counts;
    QHash<QString, int> m_firstLineOfKey;
};
