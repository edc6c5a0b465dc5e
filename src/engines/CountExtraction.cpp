#include "engines/CountExtraction.h"

#include "engines/CountText.h"
#include "engines/EngineTable.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cmath>

namespace {

constexpr qsizetype maxCountLength = 10;

bool isValidCount(const QString& count)
{
    return !count.isEmpty() && count.size() <= maxCountLength;
}

using Kind = QueryOutcome::Kind;

// The text between an engine's count markers, or the empty text when the page
// lacks them. textBetween alone would hand back the text of a short page that
// holds neither marker ("Forbidden", "OK") and make a count of it; a missing
// marker must mean that the page gave no count. position is where the first
// marker stands.
QString countBetween(const QString& page, const QString& before, const QString& past, qsizetype* position)
{
    const qsizetype start = page.indexOf(before);
    if (start < 0 || page.indexOf(past, start + before.size()) < 0)
        return {};
    *position = start;
    return textBetween(page, before, past);
}

CountReading counted(const QString& count, qsizetype position)
{
    return {count, Kind::Counted, position};
}

CountReading noResultsOn(const QString& page, const QString& sentence)
{
    return {QStringLiteral("0"), Kind::NoResults, page.indexOf(sentence)};
}

// The count when valid, else "0" when the no-results probe is the engine's
// sentence exactly, else the empty text.
CountReading decide(const QString& page, const QString& count, qsizetype position, const QString& probe,
                    const QString& noResults)
{
    if (isValidCount(count))
        return counted(count, position);
    if (probe == noResults)
        return noResultsOn(page, noResults);
    return {};
}

// A full stop separates thousands when every group after one has three digits.
bool hasThousandsStops(const QString& digits)
{
    const QStringList groups = digits.split(u'.');
    if (groups.size() < 2 || groups.first().isEmpty() || groups.first().size() > 3)
        return false;
    for (qsizetype i = 1; i < groups.size(); ++i) {
        if (groups[i].size() != 3)
            return false;
    }
    return true;
}

// The digits of a count as pages and APIs print them, or the empty text.
QString digitsOf(QString text)
{
    // Pages are read one character per byte, so a UTF-8 no-break space
    // (C2 A0) or narrow no-break space (E2 80 AF) arrives as its bytes.
    text.remove(QStringLiteral("\u00C2\u00A0"));
    text.remove(QStringLiteral("\u00E2\u0080\u00AF"));
    for (const QChar separator : {QChar(u' '), QChar(u','), QChar(u'\''), QChar(0x00A0), QChar(0x202F), QChar(u'\t'),
                                  QChar(u'\r'), QChar(u'\n')})
        text.remove(separator);
    if (text.contains(u'.')) {
        if (!hasThousandsStops(text))
            return {};
        text.remove(u'.');
    }
    // Other white space around the digits (a form feed, say) is no part of the count.
    return CountText::isCount(text) ? text.trimmed() : QString();
}

} // namespace

QString textBetween(const QString& text, const QString& before, const QString& past)
{
    QString s = text;

    // Positions counted from 1, 0 for "absent", as the rule is stated in them.
    const qsizetype p = s.indexOf(before) + 1;
    const qsizetype n = s.size() - p - before.size() + 1;
    if (n >= 0)
        s = s.right(n);

    const qsizetype q = s.indexOf(past) + 1;
    if (q >= 1)
        s = s.left(q - 1);
    return s;
}

QString parseEngineCount(QString page, const Engine& engine)
{
    return readEngineCount(std::move(page), engine).text;
}

CountReading readEngineCount(QString page, const Engine& engine, const CountMarkers& markers)
{
    if (markers.isSet())
        return readMarkedCount(page, markers);
    if (engine.apostropheMarkers)
        page.replace(u'"', u'\'');
    return engine.countRule(page);
}

CountReading readMarkedCount(const QString& page, const CountMarkers& markers)
{
    const qsizetype start = page.indexOf(markers.before);
    if (start >= 0) {
        const qsizetype countStart = start + markers.before.size();
        const qsizetype end = markers.after.isEmpty() ? page.size() : page.indexOf(markers.after, countStart);
        if (end >= 0) {
            const QString digits = digitsOf(page.mid(countStart, end - countStart));
            if (isValidCount(digits))
                return counted(digits, start);
        }
    }
    if (!markers.noResults.isEmpty() && page.contains(markers.noResults))
        return noResultsOn(page, markers.noResults);
    return {};
}

CountReading readJsonCount(const QString& reply, const QString& path)
{
    const auto noCount = [](const QString& reason) { return CountReading{{}, Kind::NoCount, -1, reason}; };
    QByteArray bytes = reply.toLatin1();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return noCount(QCoreApplication::translate("CountExtraction", "not JSON"));

    QJsonValue value = document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
    for (const QString& part : path.split(u'.')) {
        const std::optional<qint64> index = CountText::number(part);
        if (value.isArray() && index && *index < value.toArray().size())
            value = value.toArray().at(*index);
        else if (value.isObject() && value.toObject().contains(part))
            value = value.toObject().value(part);
        else
            return noCount(QCoreApplication::translate("CountExtraction", "path %1 missing").arg(path));
    }

    const QString notWhole = QCoreApplication::translate("CountExtraction", "not a whole number of at most 10 digits");
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (number < 0 || number >= 1e10 || number != std::floor(number))
            return noCount(notWhole);
        return counted(CountText::of(static_cast<qint64>(number)), -1);
    }
    const QString digits = value.toString();
    if (!value.isString() || !CountText::isCount(digits))
        return noCount(QCoreApplication::translate("CountExtraction", "not a number"));
    if (!isValidCount(digits))
        return noCount(notWhole);
    return counted(CountText::of(CountText::number(digits)), -1);
}

namespace CountRules {

CountReading google(const QString& page)
{
    qsizetype at = -1;
    QString count = countBetween(page, QStringLiteral("</b> of "), QStringLiteral("</b> linking to "), &at);
    count.remove(QStringLiteral("about <b>"));
    count.remove(QStringLiteral("<b>"));
    const QString probe = textBetween(page, QStringLiteral("</b> - "), QStringLiteral(".  <br><br>"));
    return decide(page, count, at, probe, QStringLiteral("did not match any documents"));
}

CountReading altaVista(const QString& page)
{
    qsizetype at = -1;
    const QString count = countBetween(page, QStringLiteral("AltaVista found "), QStringLiteral(" results</A>"), &at);
    const QString probe = textBetween(page, QStringLiteral("<span class=m><span class=y>"), QStringLiteral(". "));
    return decide(page, count, at, probe, QStringLiteral("We found 0 results"));
}

CountReading yahoo(const QString& page)
{
    qsizetype at = -1;
    const QString count = countBetween(page, QStringLiteral("of about <strong>"), QStringLiteral(" </strong>"), &at);
    const QString probe = textBetween(page, QStringLiteral("<big>"), QStringLiteral(":<ul><li>"));
    return decide(page, count, at, probe,
                  QStringLiteral("We didn't find any Web pages matching the following criteria"));
}

CountReading ask(const QString& page)
{
    qsizetype at = -1;
    QString count = countBetween(page, QStringLiteral("Showing results 1-10 of "), QStringLiteral("</td>"), &at);
    count.remove(u' ');
    count.remove(u'\r');
    count.remove(u'\n');
    count.remove(u',');
    // The no-results probe of this engine's page never decided anything: a
    // page without a valid count is taken as "nothing found", though no
    // sentence said so.
    if (isValidCount(count))
        return counted(count, at);
    return {QStringLiteral("0"), Kind::NoCount, -1};
}

CountReading msn(const QString& page)
{
    // The test for the marker pair ignores case; the probe with it does not.
    qsizetype at = -1;
    const bool pagedCount = page.contains(QStringLiteral("Page 1 of "), Qt::CaseInsensitive);
    QString count = pagedCount ? countBetween(page, QStringLiteral("Page 1 of "), QStringLiteral(" results"), &at)
                               : countBetween(page, QStringLiteral(" of "), QStringLiteral(" containing "), &at);
    count.remove(u',');
    count.remove(u' ');
    const QString noResults = QStringLiteral("Sorry, no results were found containing");
    const QString probe =
        textBetween(page, QStringLiteral("</td><td><span class='h1'>"), QStringLiteral(" <span class='h1 blue'>"));
    const Kind withoutCount = probe == noResults ? Kind::NoResults : Kind::NoCount;
    const qsizetype sentenceAt = probe == noResults ? page.indexOf(noResults) : -1;
    // Anything but a count reads as "0", whether or not the sentence said so.
    if (!CountText::isCount(count))
        return {QStringLiteral("0"), withoutCount, sentenceAt};
    if (isValidCount(count))
        return counted(count, at);
    // A number too long for a count.
    return {withoutCount == Kind::NoResults ? QStringLiteral("0") : QString(), withoutCount, sentenceAt};
}

CountReading allTheWeb(const QString& page)
{
    qsizetype at = -1;
    QString count = countBetween(page, QStringLiteral("<span class='ofSoMany'>"), QStringLiteral("</span>"), &at);
    QString probe = textBetween(page, QStringLiteral("<div class='noResults'>"), QStringLiteral(".</p>"));
    // The engine breaks its sentence with a line feed between "pages" and "found".
    probe.remove(u'\n');
    if (isValidCount(count))
        return counted(count.replace(u' ', u'0'), at);
    if (probe == QStringLiteral("<p>No Web pagesfound that match your query"))
        return {QStringLiteral("0"), Kind::NoResults, page.indexOf(QStringLiteral("<div class='noResults'>"))};
    return {};
}

} // namespace CountRules
