#include "engines/CountExtraction.h"
#include "engines/CountText.h"
#include "engines/EngineTable.h"

#include <QTest>

class CountExtractionTest : public QObject
{
    Q_OBJECT

private slots:
    void textBetween_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("past");
        QTest::addColumn<QString>("expected");

        const auto row = [](const char* name, const char* text, const char* before, const char* past,
                            const char* expected) {
            QTest::newRow(name) << QString::fromLatin1(text) << QString::fromLatin1(before) << QString::fromLatin1(past)
                                << QString::fromLatin1(expected);
        };
        row("both markers", "xxAAhelloBByy", "AA", "BB", "hello");
        row("missing past keeps the rest", "xxAAhelloBByy", "AA", "ZZ", "helloBByy");
        row("missing before drops length-1 characters", "abcdefBBxy", "ZZZZ", "BB", "def");
        row("text shorter than the drop stays whole", "ab", "ZZZZ", "QQ", "ab");
        row("text as long as the drop empties", "abc", "ZZZZ", "QQ", "");
        row("one character past the drop", "abcd", "ZZZZ", "QQ", "d");
        row("missing one-character before drops nothing", "abcBBd", "Z", "BB", "abc");
        row("first occurrences", "AAxAAyBBzBB", "AA", "BB", "xAAy");
        row("past is searched after before", "BBxAAyBBz", "AA", "BB", "y");
        row("searches respect case", "xaaHelloBB", "AA", "BB", "aaHello");
        row("past right after before", "AABBx", "AA", "BB", "");
        row("empty text", "", "AA", "BB", "");
        row("empty past", "xAAy", "AA", "", "");
    }

    void textBetween()
    {
        QFETCH(QString, text);
        QFETCH(QString, before);
        QFETCH(QString, past);
        QFETCH(QString, expected);
        QCOMPARE(::textBetween(text, before, past), expected);
    }

    // The one reading of a count's text, and the text shown for the number.
    void countText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("number"); // invalid: no count
        QTest::addColumn<QString>("shown");
        QTest::newRow("digits") << "1234" << QVariant(qint64(1234)) << "1234";
        QTest::newRow("zero") << "0" << QVariant(qint64(0)) << "0";
        QTest::newRow("ten digits") << "9999999999" << QVariant(qint64(9999999999)) << "9999999999";
        QTest::newRow("leading zeros") << "007" << QVariant(qint64(7)) << "7";
        QTest::newRow("surrounding spaces") << " 42 " << QVariant(qint64(42)) << "42";
        QTest::newRow("largest") << "9223372036854775807" << QVariant(qint64(9223372036854775807))
                                 << "9223372036854775807";
        QTest::newRow("empty") << "" << QVariant() << "";
        QTest::newRow("spaces only") << "  " << QVariant() << "";
        QTest::newRow("dash") << "-" << QVariant() << "";
        QTest::newRow("sign") << "-5" << QVariant() << "";
        QTest::newRow("plus") << "+5" << QVariant() << "";
        QTest::newRow("separators") << "1,234" << QVariant() << "";
        QTest::newRow("fraction") << "12.5" << QVariant() << "";
        QTest::newRow("digits and words") << "12 pages" << QVariant() << "";
        QTest::newRow("exponent") << "1e3" << QVariant() << "";
        QTest::newRow("hexadecimal") << "0x10" << QVariant() << "";
        QTest::newRow("other digits") << QStringLiteral("\u0661\u0662") << QVariant() << "";
        QTest::newRow("beyond 64 bits") << "99999999999999999999" << QVariant() << "";
    }

    void countText()
    {
        QFETCH(QString, text);
        QFETCH(QVariant, number);
        QFETCH(QString, shown);
        const std::optional<qint64> read = CountText::number(text);
        QCOMPARE(read.has_value(), number.isValid());
        if (read)
            QCOMPARE(*read, number.toLongLong());
        QCOMPARE(CountText::of(read), shown);
    }

    void parseEngineCount_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("engine");
        QTest::addColumn<QString>("expected");

        // Google
        QTest::newRow("1: about count") << "<b>10</b> of about <b>57</b> linking to <b>" << 1 << "57";
        QTest::newRow("1: count without about") << "<b>1</b> - <b>10</b> of <b>42</b> linking to <b>x</b>" << 1 << "42";
        QTest::newRow("1: ten characters")
            << "<b>10</b> of about <b>12,345,678</b> linking to <b>" << 1 << "12,345,678";
        QTest::newRow("1: eleven characters") << "<b>10</b> of about <b>123,456,789</b> linking to <b>" << 1 << "";
        QTest::newRow("1: markers respect case") << "<b>10</B> of about <b>57</b> linking to <b>" << 1 << "";
        QTest::newRow("1: no results") << "Your search - <b>link:a.com</b> - did not match any documents.  <br><br>"
                                       << 1 << "0";
        QTest::newRow("1: no results, other wording")
            << "Your search - <b>link:a.com</b> - did not match any documents at all.  <br><br>" << 1 << "";
        QTest::newRow("1: too long a count yields to no results")
            << "<b>10</b> of about <b>123,456,789</b> linking to <b>a</b> - did not match any documents.  <br><br>" << 1
            << "0";

        // AltaVista
        QTest::newRow("2: commas kept") << "<A>AltaVista found 5,678 results</A>" << 2 << "5,678";
        QTest::newRow("2: no results") << "<span class=m><span class=y>We found 0 results. Try again" << 2 << "0";
        QTest::newRow("2: quotes are not rewritten")
            << "<span class=\"m\"><span class=\"y\">We found 0 results. " << 2 << "";

        // Yahoo
        QTest::newRow("3: count") << "Results 1 - 10 of about <strong>789 </strong>for" << 3 << "789";
        QTest::newRow("3: no results") << "<big>We didn't find any Web pages matching the following criteria:<ul><li>"
                                       << 3 << "0";
        QTest::newRow("3: no results in double quotes")
            << "<big>We didn\"t find any Web pages matching the following criteria:<ul><li>" << 3 << "0";
        QTest::newRow("3: unrecognised") << "<html><body>Something else entirely here</body></html>" << 3 << "";

        // Ask
        QTest::newRow("4: spaces and commas removed") << "<td>Showing results 1-10 of  12,345 </td>" << 4 << "12345";
        QTest::newRow("4: line ends removed") << "Showing results 1-10 of \r\n 1,234,567\r\n</td>" << 4 << "1234567";
        QTest::newRow("4: no marker gives 0") << "<html><body>Something else entirely here</body></html>" << 4 << "0";
        QTest::newRow("4: too long gives 0") << "Showing results 1-10 of 12,345,678,901</td>" << 4 << "0";

        // MSN
        QTest::newRow("5: page pair") << "<span>Page 1 of 2,345 results containing link:a.com</span>" << 5 << "2345";
        QTest::newRow("5: page pair, spaced digits") << "Page 1 of 2 345 results" << 5 << "2345";
        QTest::newRow("5: containing pair") << "Results 1-10 of 55 containing link:a.com" << 5 << "55";
        QTest::newRow("5: lower-case page selects the page pair")
            << "Results 1-10 of 55 containing link:a.com - page 1 of 60 results" << 5 << "0";
        QTest::newRow("5: page pair wins")
            << "Results 1-10 of 55 containing link:a.com - Page 1 of 60 results" << 5 << "60";
        QTest::newRow("5: unrecognised gives 0")
            << "<html><body>Something else entirely here</body></html>" << 5 << "0";
        QTest::newRow("5: words are no number") << "Page 1 of many results" << 5 << "0";
        QTest::newRow("5: exponent is no number") << "Page 1 of 1e5 results" << 5 << "0";
        QTest::newRow("5: decimal point is no count") << "Page 1 of 1.5 results" << 5 << "0";
        QTest::newRow("5: sign is no count") << "Page 1 of -5 results" << 5 << "0";
        QTest::newRow("5: long number, no sentence") << "Page 1 of 12,345,678,901 results" << 5 << "";
        QTest::newRow("5: long number, no-results sentence")
            << "Page 1 of 12,345,678,901 results</td><td><span class=\"h1\">Sorry, no results were found containing "
               "<span class=\"h1 blue\">link:a.com"
            << 5 << "0";

        // AllTheWeb
        QTest::newRow("6: space becomes 0") << "<span class='ofSoMany'>12 345</span>" << 6 << "120345";
        QTest::newRow("6: double quotes") << "<span class=\"ofSoMany\">12 345</span>" << 6 << "120345";
        QTest::newRow("6: commas kept") << "<span class=\"ofSoMany\">1,234</span>" << 6 << "1,234";
        QTest::newRow("6: no results split by a line feed")
            << "<div class=\"noResults\"><p>No Web pages\nfound that match your query.</p></div>" << 6 << "0";
        QTest::newRow("6: no results with a space")
            << "<div class=\"noResults\"><p>No Web pages found that match your query.</p></div>" << 6 << "";
        QTest::newRow("6: eleven characters") << "<span class='ofSoMany'>123 456 789</span>" << 6 << "";
    }

    void parseEngineCount()
    {
        QFETCH(QString, page);
        QFETCH(int, engine);
        QFETCH(QString, expected);
        QCOMPARE(::parseEngineCount(page, *engineByNumber(engine)), expected);
    }

    // The user's markers: what lies between them is a count once the usual
    // separators are gone; they replace even the rules that read any page
    // as "0".
    void userMarkers_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("noResults");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QueryOutcome::Kind>("kind");
        using K = QueryOutcome::Kind;
        const auto latin1 = [](const char* bytes) { return QString::fromLatin1(bytes); };

        QTest::newRow("json") << R"({"site":"a","backlinks": 4321,"x":1})"
                              << R"("backlinks":)"
                              << ","
                              << ""
                              << "4321" << K::Counted;
        QTest::newRow("json, last member") << R"({"backlinks":77})"
                                           << R"("backlinks":)"
                                           << "}"
                                           << ""
                                           << "77" << K::Counted;
        QTest::newRow("commas and spaces") << "About 1, 234 ,567 results"
                                           << "About"
                                           << "results"
                                           << ""
                                           << "1234567" << K::Counted;
        QTest::newRow("full stops between thousands") << "<b>1.234.567</b>"
                                                      << "<b>"
                                                      << "</b>"
                                                      << ""
                                                      << "1234567" << K::Counted;
        QTest::newRow("other white space around") << "[\v0\f]"
                                                  << "["
                                                  << "]"
                                                  << ""
                                                  << "0" << K::Counted;
        QTest::newRow("apostrophes") << "n=1'234'567;"
                                     << "n="
                                     << ";"
                                     << ""
                                     << "1234567" << K::Counted;
        QTest::newRow("no-break space, one byte") << latin1("[12\xA0"
                                                            "345]")
                                                  << "["
                                                  << "]"
                                                  << ""
                                                  << "12345" << K::Counted;
        QTest::newRow("no-break space, UTF-8 bytes") << latin1("[12\xC2\xA0"
                                                               "345]")
                                                     << "["
                                                     << "]"
                                                     << ""
                                                     << "12345" << K::Counted;
        QTest::newRow("empty after: to the end") << "total 815"
                                                 << "total"
                                                 << ""
                                                 << ""
                                                 << "815" << K::Counted;
        QTest::newRow("decimal point") << "[12.5]"
                                       << "["
                                       << "]"
                                       << ""
                                       << "" << K::NoCount;
        QTest::newRow("words between") << "[many]"
                                       << "["
                                       << "]"
                                       << ""
                                       << "" << K::NoCount;
        QTest::newRow("eleven digits") << "[12345678901]"
                                       << "["
                                       << "]"
                                       << ""
                                       << "" << K::NoCount;
        QTest::newRow("after missing") << "[123"
                                       << "["
                                       << "]"
                                       << ""
                                       << "" << K::NoCount;
        QTest::newRow("after only before the count") << "] [123"
                                                     << "["
                                                     << "]"
                                                     << ""
                                                     << "" << K::NoCount;
        QTest::newRow("no-results text") << "Sorry, nothing links here."
                                         << "["
                                         << "]"
                                         << "nothing links"
                                         << "0" << K::NoResults;
        QTest::newRow("count wins over the no-results text") << "[5] nothing links"
                                                             << "["
                                                             << "]"
                                                             << "nothing links"
                                                             << "5" << K::Counted;
        QTest::newRow("neither") << "Forbidden"
                                 << "["
                                 << "]"
                                 << "nothing links"
                                 << "" << K::NoCount;
    }

    void userMarkers()
    {
        QFETCH(QString, page);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, noResults);
        QFETCH(QString, count);
        QFETCH(QueryOutcome::Kind, kind);
        const CountMarkers markers{before, after, noResults};
        // Ask's own rule would make "0" of every page without its count.
        const CountReading reading = readEngineCount(page, *engineByNumber(4), markers);
        QCOMPARE(reading.text, count);
        QCOMPARE(reading.kind, kind);
        if (kind == QueryOutcome::Kind::Counted)
            QCOMPARE(reading.position, page.indexOf(before));
    }

    // A failed fetch hands over the empty text; a server that answers with a
    // short message and none of the markers must not give that message as a
    // count.
    void pageWithoutMarkers_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("failed fetch") << QString();
        QTest::newRow("short error body") << QStringLiteral("Forbidden");
        QTest::newRow("two characters") << QStringLiteral("OK");
        QTest::newRow("twelve characters") << QStringLiteral("Service Down");
    }

    void pageWithoutMarkers()
    {
        QFETCH(QString, page);
        const QStringList expected = {"", "", "", "0", "0", ""};
        for (const Engine& engine : engines())
            QCOMPARE(::parseEngineCount(page, engine), expected[engine.number - 1]);
    }
};

QTEST_GUILESS_MAIN(CountExtractionTest)
#include "tst_countextraction.moc"
