#include "loopback/EnginePages.h"

#include "engines/EngineTable.h"

#include <QUrl>

#include <iterator>

namespace {

// Counts as the engines print them: groups of three digits split by commas.
QByteArray grouped(qint64 count)
{
    QByteArray digits = QByteArray::number(count);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, ',');
    return digits;
}

QByteArray htmlPage(const QByteArray& title, const QByteArray& body)
{
    return "<html><head><title>" + title + "</title></head>\n<body>\n" + body + "\n</body></html>\n";
}

// FNV-1a: the same value for the same text in every run, unlike qHash.
quint64 stableHash(const QByteArray& bytes)
{
    quint64 hash = 14695981039346656037ULL;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ULL;
    }
    return hash;
}

const char* const engineTitles[] = {"", "Google", "AltaVista", "Yahoo! Search", "Ask", "MSN Search", "AllTheWeb"};

} // namespace

namespace EnginePages {

QString pathAndQuery(const Engine& engine)
{
    const QString full = engine.defaultQueryTemplate();
    const qsizetype hostStart = full.indexOf(QLatin1String("//"));
    const qsizetype pathStart = full.indexOf(u'/', hostStart < 0 ? 0 : hostStart + 2);
    return pathStart < 0 ? QStringLiteral("/") : full.mid(pathStart);
}

QString loopbackTemplate(const Engine& engine, quint16 port)
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(pathAndQuery(engine));
}

QByteArray loopbackSettingsIni(quint16 port)
{
    QByteArray ini = "[Engines]\r\n";
    for (const Engine& engine : engines())
        ini += engine.key().toLatin1() + '=' + loopbackTemplate(engine, port).toLatin1() + "\r\n";
    return ini;
}

std::optional<Query> recognise(const QByteArray& target)
{
    const QString text = QString::fromLatin1(target);
    // The longest matching form wins, so that no form that begins another
    // one could take its requests.
    const Engine* found = nullptr;
    qsizetype foundLength = 0;
    for (const Engine& engine : engines()) {
        const QString form = pathAndQuery(engine);
        if (text.startsWith(form) && form.size() > foundLength) {
            found = &engine;
            foundLength = form.size();
        }
    }
    if (!found)
        return std::nullopt;
    QString site = text.mid(foundLength);
    const QString suffix = QString::fromLatin1(found->querySuffix);
    if (!suffix.isEmpty() && site.endsWith(suffix))
        site.chop(suffix.size());
    return Query{found->number, QUrl::fromPercentEncoding(site.toLatin1())};
}

QByteArray resultPage(int engineNumber, qint64 count)
{
    if (count < 0)
        return noResultsPage(engineNumber);
    const QByteArray number = grouped(count);
    switch (engineNumber) {
    case 1:
        return htmlPage(engineTitles[1], "<p>Results <b>1</b> - <b>10</b> of about <b>" + number +
                                             "</b> linking to <b>the site</b>. (<b>0.12</b> seconds)</p>");
    case 2:
        return htmlPage(engineTitles[2], "<div><A href=\"#\">AltaVista found " + number + " results</A></div>");
    case 3:
        return htmlPage(engineTitles[3], "<p>Results <strong>1 - 10</strong> of about <strong>" + number +
                                             " </strong>for <strong>link:</strong></p>");
    case 4:
        return htmlPage(engineTitles[4], "<table><tr><td class=\"t\">Showing results 1-10 of " + number +
                                             "</td><td>for link pages</td></tr></table>");
    case 5:
        return htmlPage(engineTitles[5], "<div class=\"sb_count\">Page 1 of " + number +
                                             " results containing <strong>link:</strong></div>");
    case 6:
        return htmlPage(engineTitles[6], "<div class=\"resultCount\">Results 1 - 10 of <span class=\"ofSoMany\">" +
                                             number + "</span></div>");
    default:
        return htmlPage("Not Found", "<p>No such search.</p>");
    }
}

QByteArray noResultsPage(int engineNumber)
{
    switch (engineNumber) {
    case 1:
        return htmlPage(engineTitles[1], "<p>Your search - <b>link:the site</b> - did not match any documents.  "
                                         "<br><br>Suggestions:</p>");
    case 2:
        return htmlPage(engineTitles[2], "<span class=m><span class=y>We found 0 results. Try fewer words.</span>"
                                         "</span>");
    case 3:
        return htmlPage(engineTitles[3], "<big>We didn't find any Web pages matching the following criteria:<ul><li>"
                                         "link:</li></ul></big>");
    case 4:
        return htmlPage(engineTitles[4], "<div class=\"noResultsLine\">Your search did not match any pages. "
                                         "<span class=\"hint\">Try other words.</span></div>");
    case 5:
        return htmlPage(engineTitles[5], "<table><tr><td></td><td><span class=\"h1\">Sorry, no results were found "
                                         "containing <span class=\"h1 blue\">link:</span></span></td></tr></table>");
    case 6:
        return htmlPage(engineTitles[6], "<div class=\"noResults\"><p>No Web pages\nfound that match your "
                                         "query.</p></div>");
    default:
        return htmlPage("Not Found", "<p>No such search.</p>");
    }
}

qint64 demoCount(const QString& site, int engineNumber)
{
    const quint64 hash = stableHash(site.toUtf8() + '#' + QByteArray::number(engineNumber));
    if (hash % 9 == 0)
        return -1;
    // The site decides how popular it is, so that scans show low, medium and
    // high ranks; each engine then finds between a fifth and twice as much.
    // Every count stays below ten million, so that every engine's printed
    // form keeps within ten characters.
    static constexpr qint64 popularity[] = {8, 40, 120, 160, 300, 1500, 9000, 60000, 400000};
    const qint64 typical = popularity[stableHash(site.toUtf8()) % std::size(popularity)];
    const qint64 permille = 200 + static_cast<qint64>((hash >> 8) % 1801);
    return typical * permille / 1000;
}

} // namespace EnginePages
