#include "results/Csv.h"

namespace {

bool needsQuotes(const QString& field)
{
    if (field.isEmpty())
        return false;
    return field.contains(u',') || field.contains(u'"') || field.contains(u'\r') || field.contains(u'\n') ||
           field.front().isSpace() || field.back().isSpace();
}

} // namespace

QByteArray Csv::record(const QStringList& fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += u',';
        const QString field = inertField(fields[i]);
        if (needsQuotes(field)) {
            QString quoted = field;
            quoted.replace(u'"', QLatin1String("\"\""));
            line += u'"' + quoted + u'"';
        } else {
            line += field;
        }
    }
    line += QLatin1String("\r\n");
    return line.toUtf8();
}

QString Csv::inertField(const QString& field)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!field.isEmpty() && formulaStarts.contains(field.front()))
        return u'\'' + field;
    return field;
}
