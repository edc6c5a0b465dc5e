#include "scan/RankBoxRules.h"

RankBoxRules::RankBoxRules(TextOf textOf, SetText setText)
    : m_textOf(std::move(textOf))
    , m_setText(std::move(setText))
{}

bool RankBoxRules::toNumber(const QString& text, int* number)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (ok)
        *number = value;
    return ok;
}

// Taking the last character back runs the rules on the shorter text, which
// takes back the next one, until the text converts (while the other boxes
// do) or is empty or a single space. Nothing else changes on the way, so the
// text it ends on is worked out here and set once: one character per nested
// change would overflow the stack on a long paste or stored value.
QString RankBoxRules::takenBack(int box, const QString& text) const
{
    int unused = 0;
    bool othersConvert = true;
    for (int other = 0; other < boxCount; ++other) {
        if (other != box && !toNumber(m_textOf(other), &unused))
            othersConvert = false;
    }
    QString shorter = text;
    do {
        shorter.chop(1);
        if (shorter.isEmpty() || shorter == QLatin1String(" "))
            break;
        // A text ending in anything but a digit or a space never converts;
        // skipping it keeps a long paste of letters linear.
        const QChar last = shorter.back();
        if (othersConvert && (last.isDigit() || last.isSpace()) && toNumber(shorter, &unused))
            break;
    } while (true);
    return shorter;
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
        // Set once, and the rules run again on the text it settles on.
        m_setText(box, takenBack(box, changed));
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
