#pragma once

#include <QString>

#include <functional>

// Keeps the three rank boxes of the Options dialog consistent while the user
// types: box 0 is the low threshold, box 1 the medium/high boundary, box 2
// the high value shown, which mirrors box 1. Text that is not a whole number
// is taken back character by character.
//
// The rules run on every change of a box's text. Setting a box from here
// changes it and so runs its rules in turn, nested, before the outer run
// goes on; setting a box to the text it already holds changes nothing. The
// owner of the boxes provides that behaviour through the two functions (a
// QLineEdit's textChanged signal has exactly these semantics).
class RankBoxRules
{
public:
    static constexpr int boxCount = 3;

    using TextOf = std::function<QString(int box)>;
    using SetText = std::function<void(int box, const QString& text)>;

    RankBoxRules(TextOf textOf, SetText setText);

    // Call whenever the text of a box has changed.
    void boxChanged(int box);

    // The whole 32-bit number a box's text stands for, if any.
    static bool toNumber(const QString& text, int* number);

private:
    QString takenBack(int box, const QString& text) const;

    TextOf m_textOf;
    SetText m_setText;
};
