#include "engines/CountExtraction.h"

#include "engines/EngineTable.h"

namespace {

constexpr qsizetype maxCountLength = 10;

bool isValidCount(const QString& count)
{
    return !count.isEmpty() && count.size() <= maxCountLength;
}

// Removes the spaces at both ends only, not tabs or line ends.
QString trimSpaces(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

// The text between an engine's count markers, or the empty text when the page
// lacks them. textBetween alone would hand back the text of a short page that
// holds neither marker ("Forbidden", "OK") and make a count of it; a missing
// marker must mean that the page gave no count.
QString countBetween(const QString& page, const QString& before, const QString& past)
{
    const qsizetype start = page.indexOf(before);
    if (start < 0 || page.indexOf(past, start + before.size()) < 0)
        return {};
    return textBetween(page, before, past);
}

// The count text when valid, else "0" when the no-results probe is the
// engine's sentence exactly, else the empty text.
QString decide(const QString& count, const QString& probe, const QString& noResults)
{
    if (isValidCount(count))
        return count;
    return probe == noResults ? QStringLiteral("0") : QString();
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
    if (engine.apostropheMarkers)
        page.replace(u'"', u'\'');
    return engine.countRule(page);
}

namespace CountRules {

QString google(const QString& page)
{
    QString count = countBetween(page, QStringLiteral("</b> of "), QStringLiteral("</b> linking to "));
    count.remove(QStringLiteral("about <b>"));
    count.remove(QStringLiteral("<b>"));
    const QString probe = textBetween(page, QStringLiteral("</b> - "), QStringLiteral(".  <br><br>"));
    return decide(count, probe, QStringLiteral("did not match any documents"));
}

QString altaVista(const QString& page)
{
    const QString count = countBetween(page, QStringLiteral("AltaVista found "), QStringLiteral(" results</A>"));
    const QString probe = textBetween(page, QStringLiteral("<span class=m><span class=y>"), QStringLiteral(". "));
    return decide(count, probe, QStringLiteral("We found 0 results"));
}

QString yahoo(const QString& page)
{
    const QString count = countBetween(page, QStringLiteral("of about <strong>"), QStringLiteral(" </strong>"));
    const QString probe = textBetween(page, QStringLiteral("<big>"), QStringLiteral(":<ul><li>"));
    return decide(count, probe, QStringLiteral("We didn't find any Web pages matching the following criteria"));
}

QString ask(const QString& page)
{
    QString count = trimSpaces(countBetween(page, QStringLiteral("Showing results 1-10 of "), QStringLiteral("</td>")));
    count.remove(u' ');
    count.remove(u'\r');
    count.remove(u'\n');
    count.remove(u',');
    // The no-results probe of this engine's page never decided anything: a
    // page without a valid count is taken as "nothing found".
    return isValidCount(count) ? count : QStringLiteral("0");
}

QString msn(const QString& page)
{
    // The test for the marker pair ignores case; the probe with it does not.
    const bool pagedCount = page.contains(QStringLiteral("Page 1 of "), Qt::CaseInsensitive);
    QString count = pagedCount ? countBetween(page, QStringLiteral("Page 1 of "), QStringLiteral(" results"))
                               : countBetween(page, QStringLiteral(" of "), QStringLiteral(" containing "));
    count.remove(u',');
    count.remove(u' ');
    if (!isPlainNumber(count))
        count = QStringLiteral("0");
    const QString probe =
        textBetween(page, QStringLiteral("</td><td><span class='h1'>"), QStringLiteral(" <span class='h1 blue'>"));
    return decide(count, probe, QStringLiteral("Sorry, no results were found containing"));
}

QString allTheWeb(const QString& page)
{
    QString count = countBetween(page, QStringLiteral("<span class='ofSoMany'>"), QStringLiteral("</span>"));
    QString probe = textBetween(page, QStringLiteral("<div class='noResults'>"), QStringLiteral(".</p>"));
    // The engine breaks its sentence with a line feed between "pages" and "found".
    probe.remove(u'\n');
    if (isValidCount(count))
        return count.replace(u' ', u'0');
    return probe == QStringLiteral("<p>No Web pagesfound that match your query") ? QStringLiteral("0") : QString();
}

} // namespace CountRules

bool isPlainNumber(const QString& text)
{
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool digit = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            digit = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}
