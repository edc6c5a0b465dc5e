#pragma once

#include <QString>

// Reading an engine's result page: the count it reports for a "link:" query.
// The markers are fitted to each engine's page layout and are data of the
// program, kept exactly as the pages wrote them.

// The text between the first IBefore and the first IPast after it. A missing
// IPast keeps everything after IBefore; a missing IBefore drops only the first
// length(IBefore) - 1 characters (nothing when the text is shorter than that),
// so a missing marker gives a long text rather than an error and callers tell
// failure by the length of the result.
QString GetBetween(const QString& IStringStr, const QString& IBefore, const QString& IPast);

// The count text of the page strData for the engine numbered intEngine (1..6):
// at most 10 characters as the page shows the number (engines 1, 2, 3 and 6 may
// keep thousands separators), "0" when the page says nothing was found, and the
// empty text when neither can be recognised or the engine number is unknown.
QString ParseEngineData(QString strData, int intEngine);

// True when the text is an optional sign followed by digits with at most one
// decimal point among or around them and at least one digit: the plain way a
// page prints a number, without exponents, currency signs, brackets,
// hexadecimal forms, "inf" or "nan".
bool isPlainNumber(const QString& text);
