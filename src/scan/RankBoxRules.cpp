#include "scan/RankBoxRules.h"

RankBoxRules::RankBoxRules(TextOf textOf, SetText setText)
    : m_textOf(std::move(textOf))
    , m_setText(std::move(setText))
{
}

bool RankBoxRules::toNumber(const QString& text, int* number)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (ok)
        *number = value;
    return ok;
}

void RankBoxRules::boxChanged(int box)
{
    if (box < 0 || box >= boxCount)
        return;
    const QString changed = m_textOf(box);
    // A box being cleared before the user types a new number is left alone.
    if (changed.isEmpty() || changed == QLatin1String(" "))
        return;

    int low = 0;
    int boundary = 0;
    int high = 0;
    if (!toNumber(m_textOf(0), &low) || !toNumber(m_textOf(1), &boundary) || !toNumber(m_textOf(2), &high)) {
        // Taking the last character back changes the text, which runs the
        // rules again on the shorter text, until it converts or is empty.
        m_setText(box, changed.left(changed.size() - 1));
        return;
    }

    switch (box) {
    case 0:
        if (low >= boundary)
            m_setText(1, QString::number(qint64(low) + qint64(low)));
        break;
    case 1:
        if (low >= boundary)
            m_setText(0, QString::number(qint64(boundary) - 1));
        m_setText(2, QString::number(boundary));
        break;
    case 2:
        m_setText(1, QString::number(high));
        break;
    }
}
