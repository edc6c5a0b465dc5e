#pragma once

#include <QString>

struct Engine;

// Reading an engine's result page: the count it reports for a "link:" query.
// The markers are fitted to each engine's page layout and are data of the
// program, kept exactly as the pages wrote them.

// The text between the first `before` and the first `past` after it. A
// missing `past` keeps everything after `before`; a missing `before` drops
// only the first length(before) - 1 characters (nothing when the text is
// shorter than that), so a missing marker gives a long text rather than an
// error and callers tell failure by the length of the result.
QString textBetween(const QString& text, const QString& before, const QString& past);

// The count text of the engine's result page: at most 10 characters as the
// page shows the number (Google, AltaVista, Yahoo! and AllTheWeb may keep
// thousands separators), "0" when the page says nothing was found, and the
// empty text when neither can be recognised.
QString parseEngineCount(QString page, const Engine& engine);

// Each engine's rule for parseEngineCount, named in the engine table.
namespace CountRules {
QString google(const QString& page);
QString altaVista(const QString& page);
QString yahoo(const QString& page);
QString ask(const QString& page);
QString msn(const QString& page);
QString allTheWeb(const QString& page);
} // namespace CountRules

// True when the text is an optional sign followed by digits with at most one
// decimal point among or around them and at least one digit: the plain way a
// page prints a number, without exponents, currency signs, brackets,
// hexadecimal forms, "inf" or "nan".
bool isPlainNumber(const QString& text);
