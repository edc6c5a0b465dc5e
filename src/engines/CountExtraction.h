#pragma once

#include "engines/QueryOutcome.h"

#include <QString>

struct Engine;

// The user's own count markers for an engine (settings.ini, section
// "Markers"): the count is the text between before and after, and the page
// says nothing was found when it holds noResults. All empty: the engine's
// built-in rule applies.
struct CountMarkers
{
    QString before;
    QString after;
    QString noResults;

    bool isSet() const { return !before.isEmpty() || !after.isEmpty() || !noResults.isEmpty(); }
    bool operator==(const CountMarkers&) const = default;
};

// What a result page says: the count text (as parseEngineCount gives it), the
// kind of answer (counted, no results or no count), where on the page the
// count or the no-results sentence stands (-1 when nowhere), and for some
// pages without a count, why not.
struct CountReading
{
    QString text;
    QueryOutcome::Kind kind = QueryOutcome::Kind::NoCount;
    qsizetype position = -1;
    QString reason = {};
};

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

// The reading of the page by the user's markers when they are set, else by
// the engine's built-in rule (whose text is parseEngineCount's).
CountReading readEngineCount(QString page, const Engine& engine, const CountMarkers& markers = {});

// The reading by user markers: the text between before and after (both on
// the page; an empty before is the page's start) without spaces, commas,
// apostrophes, non-breaking spaces (also as UTF-8 bytes) and full stops
// that separate thousands; a count when 1 to 10 digits remain. Otherwise
// "0" and no results when the page holds the noResults text, else no count.
CountReading readMarkedCount(const QString& page, const CountMarkers& markers);

// The reading of a JSON reply (one character per byte, as fetched; a UTF-8
// byte order mark is skipped): the value at the dotted path, whose parts are
// object keys or, on arrays, indexes ("data.items.0.refDomains"). A count
// when that value is a number, or a string of digits, that is a whole
// number of at most 10 digits; otherwise no count, and the reason says
// whether the reply was not JSON, the path was missing, the value was no
// number or not such a whole number.
CountReading readJsonCount(const QString& reply, const QString& path);

// Each engine's rule for parseEngineCount, named in the engine table.
namespace CountRules {
CountReading google(const QString& page);
CountReading altaVista(const QString& page);
CountReading yahoo(const QString& page);
CountReading ask(const QString& page);
CountReading msn(const QString& page);
CountReading allTheWeb(const QString& page);
} // namespace CountRules
