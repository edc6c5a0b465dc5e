#include "saved/SaveData.h"

namespace SaveData {

QString build(const QStringList& captions, const QStringList& counts)
{
    QString saveData;
    const qsizetype lines = qMin(captions.size(), counts.size());
    for (qsizetype i = 0; i < lines; ++i)
        saveData += captions.at(i) + u':' + counts.at(i) + u'\n';
    return saveData;
}

QList<SavedCount> parse(const QString& saveData)
{
    QList<SavedCount> counts;
    QStringList lines = saveData.split(u'\n');
    lines.removeLast(); // the text after the last line feed
    for (const QString& line : std::as_const(lines)) {
        const QStringList parts = line.split(u':');
        if (parts.size() < 2)
            continue;
        counts.append({parts.at(0), parts.at(1)});
    }
    return counts;
}

} // namespace SaveData
