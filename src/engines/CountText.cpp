#include "engines/CountText.h"

#include <algorithm>

bool CountText::isCount(QStringView text)
{
    const QStringView digits = text.trimmed();
    return !digits.isEmpty() &&
           std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

std::optional<qint64> CountText::number(QStringView text)
{
    if (!isCount(text))
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

QString CountText::of(const std::optional<qint64>& count)
{
    return count ? QString::number(*count) : QString();
}
