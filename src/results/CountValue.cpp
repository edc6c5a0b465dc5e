#include "results/CountValue.h"

#include <QString>

std::optional<qint64> countValue(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    const qsizetype signLength = trimmed.startsWith(u'-') || trimmed.startsWith(u'+') ? 1 : 0;
    if (trimmed.size() == signLength)
        return std::nullopt;
    // toLongLong() alone would also take "0x10" and spaces after the sign.
    for (qsizetype i = signLength; i < trimmed.size(); ++i) {
        if (trimmed[i] < u'0' || trimmed[i] > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = trimmed.toString().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}
