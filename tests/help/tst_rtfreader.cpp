#include "base/CodePageDecoder.h"
#include "help/RtfReader.h"

#include <QTest>

namespace {

FormattedText readOrFail(const QByteArray& rtf)
{
    const std::optional<FormattedText> text = readRtf(rtf);
    if (!text)
        qWarning("not read as RTF: %s", rtf.left(60).constData());
    return text.value_or(FormattedText());
}

// The first run that holds the given text. Neighbouring text of the same
// format shares a run, so the run's format is the text's format.
std::optional<TextRun> runWithText(const FormattedText& text, const QString& wanted)
{
    for (const TextParagraph& paragraph : text.paragraphs) {
        for (const TextRun& run : paragraph.runs) {
            if (run.text.contains(wanted))
                return run;
        }
    }
    return std::nullopt;
}

QString colourName(const std::optional<TextColour>& colour)
{
    if (!colour)
        return QString();
    return QString::asprintf("#%02x%02x%02x", colour->red, colour->green, colour->blue);
}

} // namespace

class RtfReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void plainText_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("expected");

        QTest::newRow("one paragraph") << QByteArray("{\\rtf1\\ansi Hello world\\par}") << "Hello world";
        QTest::newRow("last paragraph without par") << QByteArray("{\\rtf1 One\\par Two}") << "One\nTwo";
        QTest::newRow("empty paragraph kept") << QByteArray("{\\rtf1 One\\par\\par Two\\par}") << "One\n\nTwo";
        QTest::newRow("line break") << QByteArray("{\\rtf1 a\\line b}") << QString::fromUtf8("a\u2028b");
        QTest::newRow("tab") << QByteArray("{\\rtf1 a\\tab b}") << "a\tb";
        QTest::newRow("escaped braces and backslash") << QByteArray("{\\rtf1 \\{x\\}\\\\}") << "{x}\\";
        QTest::newRow("control symbols") << QByteArray("{\\rtf1 a\\~b\\-c\\_d}")
                                         << QString::fromUtf8("a\u00A0b\u00ADc\u2011d");
        QTest::newRow("character words")
            << QByteArray("{\\rtf1 \\bullet\\emdash\\endash\\lquote x\\rquote\\ldblquote y\\rdblquote}")
            << QString::fromUtf8("\u2022\u2014\u2013\u2018x\u2019\u201Cy\u201D");
        QTest::newRow("source line breaks are no text") << QByteArray("{\\rtf1 a\r\nb\nc}") << "abc";
        QTest::newRow("backslash before line break is par") << QByteArray("{\\rtf1 a\\\nb}") << "a\nb";
        QTest::newRow("space after word is its delimiter") << QByteArray("{\\rtf1\\b  two}") << " two";
        QTest::newRow("hex bytes in code page 1252")
            << QByteArray("{\\rtf1\\ansi caf\\'e9 \\'93q\\'94}") << QString::fromUtf8("café “q”");
        QTest::newRow("1252 is the default code page") << QByteArray("{\\rtf1 \\'80\\'85}") << QString::fromUtf8("€…");
        QTest::newRow("code page 1251")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2, \\'ec\\'e8\\'f0}")
            << QString::fromUtf8("Привет, мир");
        QTest::newRow("font character set 204 overrides the document's code page")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial Cyr;}}"
                          "\\f1 \\'c4\\'e0\\f0  \\'e9}")
            << QString::fromUtf8("Да é");
        QTest::newRow("double-byte code page through the font")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset128 MS Gothic;}}\\f0 \\'93\\'fa\\'96\\'7b}")
            << QString::fromUtf8("日本");
        QTest::newRow("unicode with fallback") << QByteArray("{\\rtf1 a\\u8364?b}") << QString::fromUtf8("a€b");
        QTest::newRow("unicode with negative value") << QByteArray("{\\rtf1 \\u-255?}") << QString::fromUtf8("！");
        QTest::newRow("uc2 skips two fallback bytes")
            << QByteArray("{\\rtf1\\uc2 \\u8364\\'80\\'80x}") << QString::fromUtf8("€x");
        QTest::newRow("uc0 skips nothing") << QByteArray("{\\rtf1\\uc0 \\u8364 x}") << QString::fromUtf8("€x");
        QTest::newRow("fallback is part of a text run")
            << QByteArray("{\\rtf1\\uc3 \\u8364 EURx}") << QString::fromUtf8("€x");
        QTest::newRow("fallback ends at its group")
            << QByteArray("{\\rtf1\\uc3 {\\u8364?}x}") << QString::fromUtf8("€x");
        QTest::newRow("uc applies to its group only")
            << QByteArray("{\\rtf1 {\\uc2 \\u8364??}\\u8364?x}") << QString::fromUtf8("€€x");
        QTest::newRow("surrogate pair") << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QString::fromUtf8("😀");
        QTest::newRow("lone high surrogate") << QByteArray("{\\rtf1 \\u-10179?x}") << QString::fromUtf8("\uFFFDx");
        QTest::newRow("lone low surrogate") << QByteArray("{\\rtf1 \\u-8704?x}") << QString::fromUtf8("\uFFFDx");
        QTest::newRow("ignorable destination") << QByteArray("{\\rtf1 a{\\*\\generator Writer 1.0;}b}") << "ab";
        QTest::newRow("nested ignorable destinations")
            << QByteArray("{\\rtf1 a{\\*\\x one{\\y two{\\*\\z three}}}b}") << "ab";
        QTest::newRow("picture") << QByteArray("{\\rtf1 a{\\pict\\pngblip\\picw10 89504e470d0a}b}") << "ab";
        QTest::newRow("picture in a shape")
            << QByteArray("{\\rtf1 a{\\*\\shppict{\\pict\\wmetafile8 0100}}{\\nonshppict{\\pict 0200}}b}") << "ab";
        QTest::newRow("info and stylesheet")
            << QByteArray("{\\rtf1{\\info{\\title T}{\\author A}}{\\stylesheet{\\s0 Normal;}{\\s1 Heading;}}x}") << "x";
        QTest::newRow("font and colour tables are not text")
            << QByteArray("{\\rtf1{\\fonttbl\\f0\\fnil Arial;}{\\colortbl;\\red1\\green2\\blue3;}x}") << "x";
        QTest::newRow("unknown control words") << QByteArray("{\\rtf1\\foo\\bar12 x \\baz-3 y\\qux}") << "x y";
        QTest::newRow("binary data") << QByteArray("{\\rtf1 a\\bin4 {}\\ b}") << "ab";
        QTest::newRow("field result is shown")
            << QByteArray("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt link}}}") << "link";
        QTest::newRow("text after the document") << QByteArray("{\\rtf1 a}b{c}") << "a";
        QTest::newRow("text before the document") << QByteArray(" \r\n{\\rtf1 a}") << "a";
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF{\\rtf1 a}") << "a";
        QTest::newRow("control characters dropped") << QByteArrayLiteral("{\\rtf1 a\0b\\'07c\\u1?d}") << "abcd";
    }

    void plainText()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, expected);
        const std::optional<FormattedText> text = readRtf(rtf);
        QVERIFY(text);
        QCOMPARE(text->plainText(), expected);
    }

    void damagedInput_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("expected");

        QTest::newRow("truncated group") << QByteArray("{\\rtf1 {\\b bold") << "bold";
        QTest::newRow("truncated nested groups") << QByteArray("{\\rtf1 a{\\i b{\\b c") << "abc";
        QTest::newRow("truncated control word") << QByteArray("{\\rtf1 x\\pa") << "x";
        QTest::newRow("truncated parameter") << QByteArray("{\\rtf1 x\\fs-") << "x-";
        QTest::newRow("unbalanced closing braces") << QByteArray("{\\rtf1 a}}}b") << "a";
        QTest::newRow("closing brace too early") << QByteArray("{\\rtf1 {a}}b}") << "a";
        QTest::newRow("hex escape at the end") << QByteArray("{\\rtf1 x\\'") << "x";
        QTest::newRow("hex escape with one digit at the end") << QByteArray("{\\rtf1 x\\'4") << "x";
        QTest::newRow("hex escape without digits") << QByteArray("{\\rtf1 x\\'zzy}") << "xzzy";
        QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 x\\") << "x";
        QTest::newRow("huge numbers") << QByteArray(
                                             "{\\rtf1\\fs99999999999999999999 big \\f99999999999 x \\cf-99999999999 y"
                                             "\\li-99999999999999999999999 z}")
                                      << "big x yz";
        QTest::newRow("huge unicode value") << QByteArray("{\\rtf1 \\u99999999999?a}") << QString::fromUtf8("\uFFFDa");
        QTest::newRow("huge fallback count")
            << QByteArray("{\\rtf1{\\uc99999999 \\u8364 abc}d}") << QString::fromUtf8("€d");
        QTest::newRow("huge binary length") << QByteArray("{\\rtf1 a\\bin999999999 xyz}") << "a";
        QTest::newRow("empty document") << QByteArray("{\\rtf1}") << "";
        QTest::newRow("header only") << QByteArray("{\\rtf1") << "";
        QTest::newRow("unterminated font table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial") << "";
        QTest::newRow("colour table without semicolons") << QByteArray("{\\rtf1{\\colortbl\\red255}\\cf1 x}") << "x";
        QTest::newRow("colour index out of range") << QByteArray("{\\rtf1\\cf99999 x\\cf-1 y}") << "xy";
        QTest::newRow("ignorable destination never closed") << QByteArray("{\\rtf1 a{\\*\\x b") << "a";
        // Escapes that carry nothing must not cost a call level each: 60 KB of
        // them would overflow the stack.
        QTest::newRow("60 KB of hex escapes without digits")
            << QByteArray("{\\rtf1 " + QByteArray("\\'").repeated(30000) + "}") << "";
        QTest::newRow("hex escapes without digits between text")
            << QByteArray("{\\rtf1 a" + QByteArray("\\'\r\n").repeated(100000) + "b}") << "ab";
    }

    void damagedInput()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, expected);
        const std::optional<FormattedText> text = readRtf(rtf);
        QVERIFY(text);
        QCOMPARE(text->plainText(), expected);
    }

    void readingStopsAtTheLimits_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<qsizetype>("characters");
        QTest::addColumn<qsizetype>("paragraphs");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("partial");

        const QByteArray three = "{\\rtf1 ab\\par cd\\par ef}";
        QTest::newRow("within both") << three << qsizetype(100) << qsizetype(100) << "ab\ncd\nef" << false;
        QTest::newRow("exactly the characters") << three << qsizetype(8) << qsizetype(100) << "ab\ncd\nef" << false;
        // Paragraph ends count as characters.
        QTest::newRow("cut inside a run") << three << qsizetype(7) << qsizetype(100) << "ab\ncd\ne" << true;
        QTest::newRow("cut at a paragraph end") << three << qsizetype(5) << qsizetype(100) << "ab\ncd" << true;
        QTest::newRow("paragraphs") << three << qsizetype(100) << qsizetype(2) << "ab\ncd" << true;
        QTest::newRow("empty paragraphs count") << QByteArray("{\\rtf1 " + QByteArray("\\par").repeated(10) + "x}")
                                                << qsizetype(100) << qsizetype(4) << "\n\n\n"
                                                << true;
    }

    void readingStopsAtTheLimits()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(qsizetype, characters);
        QFETCH(qsizetype, paragraphs);
        QFETCH(QString, expected);
        QFETCH(bool, partial);
        const std::optional<FormattedText> text = readRtf(rtf, RtfLimits{characters, paragraphs});
        QVERIFY(text);
        QCOMPARE(text->plainText(), expected);
        QCOMPARE(text->partial, partial);
    }

    void deepNestingIsBalanced()
    {
        // Far deeper than the reader keeps states for: the closing braces
        // must still match, so the text after them belongs to the document.
        const QByteArray rtf =
            QByteArray("{\\rtf1 ") + QByteArray(100000, '{') + "deep" + QByteArray(100000, '}') + "after}ignored";
        const FormattedText text = readOrFail(rtf);
        QCOMPARE(text.plainText(), QStringLiteral("deepafter"));
    }

    void formattingInsideDeepNestingIsRestored()
    {
        const QByteArray rtf =
            QByteArray("{\\rtf1 ") + QByteArray(1000, '{') + "\\b deep" + QByteArray(1000, '}') + "plain}";
        const FormattedText text = readOrFail(rtf);
        const std::optional<TextRun> plain = runWithText(text, QStringLiteral("plain"));
        QVERIFY(plain);
        QVERIFY(!plain->format.bold);
    }

    void notRtf_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("plain text") << QByteArray("Hello {\\rtf1 x}");
        QTest::newRow("brace without rtf") << QByteArray("{\\rtx1 x}");
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n", 8);
    }

    void notRtf()
    {
        QFETCH(QByteArray, data);
        QVERIFY(!readRtf(data).has_value());
    }

    void runFormats_data()
    {
        QTest::addColumn<QString>("runText");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("pointSize");
        QTest::addColumn<QString>("colour");

        QTest::newRow("document default") << "start" << false << false << false << "Arial" << 10.0 << "";
        QTest::newRow("bold group") << "bold" << true << false << false << "Arial" << 10.0 << "";
        QTest::newRow("bold ends with its group") << "after" << false << false << false << "Arial" << 10.0 << "";
        QTest::newRow("italic") << "italic" << false << true << false << "Arial" << 10.0 << "";
        QTest::newRow("underline") << "under" << false << false << true << "Arial" << 10.0 << "";
        QTest::newRow("ulnone") << "nounder" << false << false << false << "Arial" << 10.0 << "";
        QTest::newRow("b0 i0 ul0") << "alloff" << false << false << false << "Arial" << 10.0 << "";
        QTest::newRow("font size and colour")
            << "big" << false << false << false << "Times New Roman" << 16.0 << "#0080ff";
        QTest::newRow("colour of the document") << "red" << true << false << false << "Arial" << 10.0 << "#ff0000";
        QTest::newRow("automatic colour") << "auto" << true << false << false << "Arial" << 10.0 << "";
        QTest::newRow("plain resets to the default font")
            << "reset" << false << false << false << "Courier New" << 12.0 << "";
        QTest::newRow("font size without parameter") << "twelve" << false << false << false << "Arial" << 12.0 << "";
    }

    void runFormats()
    {
        QFETCH(QString, runText);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(bool, underline);
        QFETCH(QString, family);
        QFETCH(double, pointSize);
        QFETCH(QString, colour);

        const FormattedText text = readOrFail(
            "{\\rtf1\\ansi\\deff2"
            "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman Times New Roman;}\\f2\\fmodern Courier New;}"
            "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}"
            "\\f0\\fs20 start{\\b bold}after{\\i italic}{\\ul under\\ulnone nounder}"
            "{\\b\\i\\ul on\\b0\\i0\\ul0 alloff}{\\f1\\fs32\\cf2 big}"
            "\\b\\cf1 red\\cf0 auto\\plain reset\\f0\\fs twelve\\par}");

        const std::optional<TextRun> run = runWithText(text, runText);
        QVERIFY2(run, qPrintable(text.plainText()));
        QCOMPARE(run->format.bold, bold);
        QCOMPARE(run->format.italic, italic);
        QCOMPARE(run->format.underline, underline);
        QCOMPARE(run->format.fontFamily, family);
        QCOMPARE(run->format.pointSize, pointSize);
        QCOMPARE(colourName(run->format.colour), colour);
    }

    void equallyFormattedTextIsOneRun()
    {
        const FormattedText text = readOrFail("{\\rtf1 a{\\b0 b}c{\\b d}}");
        QCOMPARE(text.paragraphs.size(), 1);
        const QList<TextRun>& runs = text.paragraphs.first().runs;
        QCOMPARE(runs.size(), 2);
        QCOMPARE(runs.at(0).text, QStringLiteral("abc"));
        QCOMPARE(runs.at(1).text, QStringLiteral("d"));
        QVERIFY(runs.at(1).format.bold);
    }

    void fontTableForms()
    {
        // Entries without groups, a missing final semicolon, and a name
        // written with a hex escape.
        const FormattedText text = readOrFail("{\\rtf1{\\fonttbl\\f0\\fnil Tahoma;\\f1 Verdana{\\*\\panose 0}}"
                                              "{\\fonttbl{\\f2 Caf\\'e9 Sans}}"
                                              "\\f0 a\\f1 b\\f2 c\\f7 d}");
        QCOMPARE(runWithText(text, "a")->format.fontFamily, QStringLiteral("Tahoma"));
        QCOMPARE(runWithText(text, "b")->format.fontFamily, QStringLiteral("Verdana"));
        QCOMPARE(runWithText(text, "c")->format.fontFamily, QString::fromUtf8("Café Sans"));
        QCOMPARE(runWithText(text, "d")->format.fontFamily, QString());
    }

    void paragraphAlignment()
    {
        const FormattedText text = readOrFail("{\\rtf1\\qc centre\\par\\pard left\\par\\qr right\\par"
                                              "\\qj justified\\par\\ql back\\par{\\qc inner\\par}outside\\par "
                                              "last\\qr\\par}");
        const QList<ParagraphAlignment> expected = {
            ParagraphAlignment::Centre,  ParagraphAlignment::Left,  ParagraphAlignment::Right,
            ParagraphAlignment::Justify, ParagraphAlignment::Left,  ParagraphAlignment::Centre,
            ParagraphAlignment::Left,    ParagraphAlignment::Right,
        };
        QCOMPARE(text.paragraphs.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(text.paragraphs.at(i).format.alignment, expected.at(i));
    }

    void indentsAndSpacing()
    {
        const FormattedText text = readOrFail("{\\rtf1\\li720\\ri200\\fi-360\\sb120\\sa60 hanging\\par"
                                              "{\\li1440 group\\par}\\pard reset\\par"
                                              "\\li99999999999\\sb-40\\sa-99999999999 extreme\\par}");
        QCOMPARE(text.paragraphs.size(), 4);

        ParagraphFormat hanging;
        hanging.leftIndent = 36.0;
        hanging.rightIndent = 10.0;
        hanging.firstLineIndent = -18.0;
        hanging.spaceBefore = 6.0;
        hanging.spaceAfter = 3.0;
        QCOMPARE(text.paragraphs.at(0).format, hanging);

        ParagraphFormat inGroup = hanging;
        inGroup.leftIndent = 72.0;
        QCOMPARE(text.paragraphs.at(1).format, inGroup);

        QCOMPARE(text.paragraphs.at(2).format, ParagraphFormat());

        // Held within a page's width; spacing is never negative.
        ParagraphFormat extreme;
        extreme.leftIndent = 1584.0;
        QCOMPARE(text.paragraphs.at(3).format, extreme);
    }

    void emptyParagraphKeepsItsFormat()
    {
        const FormattedText text = readOrFail("{\\rtf1\\fs40\\b\\par x}");
        QCOMPARE(text.paragraphs.size(), 2);
        QVERIFY(text.paragraphs.first().runs.isEmpty());
        QCOMPARE(text.paragraphs.first().endFormat.pointSize, 20.0);
        QVERIFY(text.paragraphs.first().endFormat.bold);
    }

    void codePages_data()
    {
        QTest::addColumn<int>("codePage");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");

        QTest::newRow("1252") << 1252 << QByteArray("\x80\x99\xe9") << QString::fromUtf8("€™é");
        QTest::newRow("1250") << 1250 << QByteArray("\x8a\xb9") << QString::fromUtf8("Šą");
        QTest::newRow("1251") << 1251 << QByteArray("\xc0\xff") << QString::fromUtf8("Ая");
        QTest::newRow("932") << 932 << QByteArray("\x82\xa0") << QString::fromUtf8("あ");
        QTest::newRow("437") << 437 << QByteArray("\x82") << QString::fromUtf8("é");
        QTest::newRow("unknown code page reads as Latin-1")
            << 12345 << QByteArray("\xe9\x80") << QString::fromUtf8("é\u0080");
    }

    void codePages()
    {
        QFETCH(int, codePage);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        CodePageDecoder decoder;
        QCOMPARE(decoder.decode(bytes, codePage), expected);
        // A second use of the same code page gives the same text.
        QCOMPARE(decoder.decode(bytes, codePage), expected);
    }
};

QTEST_GUILESS_MAIN(RtfReaderTest)
#include "tst_rtfreader.moc"
