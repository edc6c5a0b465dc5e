#include "help/RichTextDocument.h"
#include "help/RtfReader.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace {

// The fragment of the document holding the given text.
QTextCharFormat formatOf(const QTextDocument& document, const QString& text)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text() == text)
                return it.fragment().charFormat();
        }
    }
    return {};
}

} // namespace

class RichTextDocumentTest : public QObject
{
    Q_OBJECT

private slots:
    void paragraphsAndAlignment()
    {
        const std::optional<FormattedText> text =
            readRtf("{\\rtf1 left\\par\\qc centre\\par\\qr right\\par\\qj justified\\line more\\par}");
        QVERIFY(text);
        QTextDocument document;
        fillTextDocument(document, *text, Qt::white);

        QCOMPARE(document.blockCount(), 4);
        const QList<Qt::Alignment> expected = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
        QTextBlock block = document.begin();
        for (const Qt::Alignment alignment : expected) {
            QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, alignment);
            block = block.next();
        }
        // The line break stays inside its paragraph.
        QCOMPARE(document.findBlockByNumber(3).text(), QString::fromUtf8("justified\u2028more"));
    }

    // A coloured run keeps its colour only where it reads against the
    // background (4.5:1 at least); else it takes the viewer's text colour.
    void colourKeptOnlyWhereItReads_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("kept");
        QTest::newRow("dark blue on white") << QColor(0x1d, 0x4e, 0xd8) << QColor(Qt::white) << true;
        QTest::newRow("dark blue on dark grey") << QColor(0x1d, 0x4e, 0xd8) << QColor(0x1e, 0x1e, 0x1e) << false;
        QTest::newRow("yellow on dark grey") << QColor(0xff, 0xd7, 0x00) << QColor(0x1e, 0x1e, 0x1e) << true;
        QTest::newRow("yellow on white") << QColor(0xff, 0xd7, 0x00) << QColor(Qt::white) << false;
        QTest::newRow("grey 4.54:1 on white") << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << true;
        QTest::newRow("grey 4.48:1 on white") << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << false;
    }

    void colourKeptOnlyWhereItReads()
    {
        QFETCH(QColor, colour);
        QFETCH(QColor, background);
        QFETCH(bool, kept);
        const std::optional<FormattedText> text =
            readRtf(QStringLiteral("{\\rtf1{\\colortbl;\\red%1\\green%2\\blue%3;}{\\cf1 Heading}\\par text}")
                        .arg(colour.red())
                        .arg(colour.green())
                        .arg(colour.blue())
                        .toLatin1());
        QVERIFY(text);
        QTextDocument document;
        fillTextDocument(document, *text, background);
        const QTextCharFormat heading = formatOf(document, QStringLiteral("Heading"));
        QCOMPARE(heading.hasProperty(QTextFormat::ForegroundBrush), kept);
        if (kept)
            QCOMPARE(heading.foreground().color(), colour);
    }

    void characterFormats()
    {
        const std::optional<FormattedText> text =
            readRtf("{\\rtf1{\\fonttbl{\\f0 Verdana;}{\\f1 Courier New;}}{\\colortbl;\\red200\\green10\\blue20;}"
                    "\\f0\\fs20 plain {\\b bold} {\\i italic} {\\ul under} {\\f1\\fs36\\cf1 code}}");
        QVERIFY(text);
        QTextDocument document;
        fillTextDocument(document, *text, Qt::white);

        const QTextCharFormat plain = formatOf(document, QStringLiteral("plain "));
        QCOMPARE(plain.fontWeight(), int(QFont::Normal));
        QCOMPARE(plain.fontPointSize(), 10.0);
        QCOMPARE(plain.fontFamilies().toStringList(), QStringList{QStringLiteral("Verdana")});
        QVERIFY(!plain.hasProperty(QTextFormat::ForegroundBrush));

        QCOMPARE(formatOf(document, QStringLiteral("bold")).fontWeight(), int(QFont::Bold));
        QVERIFY(formatOf(document, QStringLiteral("italic")).fontItalic());
        QVERIFY(formatOf(document, QStringLiteral("under")).fontUnderline());

        const QTextCharFormat code = formatOf(document, QStringLiteral("code"));
        QCOMPARE(code.fontPointSize(), 18.0);
        QCOMPARE(code.fontFamilies().toStringList(), QStringList{QStringLiteral("Courier New")});
        QCOMPARE(code.foreground().color(), QColor(200, 10, 20));
    }

    void indentsAndSpacing()
    {
        const std::optional<FormattedText> text =
            readRtf("{\\rtf1\\li720\\ri360\\fi-360\\sb180\\sa90 \\bullet\\tab item\\par\\pard\\li360 plain\\par}");
        QVERIFY(text);
        QTextDocument document;
        fillTextDocument(document, *text, Qt::white);
        QCOMPARE(document.blockCount(), 2);

        // Points become pixels of a 96 dpi device: 36 pt is 48 pixels.
        const QTextBlockFormat item = document.findBlockByNumber(0).blockFormat();
        QCOMPARE(item.leftMargin(), 48.0);
        QCOMPARE(item.rightMargin(), 24.0);
        QCOMPARE(item.textIndent(), -24.0);
        QCOMPARE(item.topMargin(), 12.0);
        QCOMPARE(item.bottomMargin(), 6.0);
        QCOMPARE(item.tabPositions().size(), 1);
        QCOMPARE(item.tabPositions().first().position, 24.0);

        const QTextBlockFormat plain = document.findBlockByNumber(1).blockFormat();
        QCOMPARE(plain.leftMargin(), 24.0);
        QCOMPARE(plain.textIndent(), 0.0);
        QVERIFY(plain.tabPositions().isEmpty());
    }

    void emptyParagraphTakesItsEndFormat()
    {
        const std::optional<FormattedText> text = readRtf("{\\rtf1\\fs16 small\\par\\fs48\\par big}");
        QVERIFY(text);
        QTextDocument document;
        fillTextDocument(document, *text, Qt::white);
        QCOMPARE(document.blockCount(), 3);
        QCOMPARE(document.findBlockByNumber(1).charFormat().fontPointSize(), 24.0);
    }

    // Filled piece by piece, a document ends as filled in one go, except
    // that a very long paragraph is split into blocks of the same format.
    void appenderFillsInPieces_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("blocks");

        QByteArray formatted = "{\\rtf1{\\colortbl;\\red200\\green10\\blue20;}";
        for (int i = 0; i < 1000; ++i)
            formatted +=
                "\\pard\\qc\\li" + QByteArray::number(i) + " {\\b bold}{\\cf1 red} line\\par\\fs48\\par\\plain ";
        QTest::newRow("formats and empty paragraphs") << QByteArray(formatted + "}") << 2000;
        QTest::newRow("paragraph longer than a block")
            << QByteArray("{\\rtf1\\qr\\b " + QByteArray("x").repeated(40000) + "\\par end}") << 11;
    }

    void appenderFillsInPieces()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(int, blocks);
        const std::optional<FormattedText> text = readRtf(rtf);
        QVERIFY(text);
        QTextDocument whole;
        fillTextDocument(whole, *text, Qt::white);
        QTextDocument pieces;
        RichTextAppender appender(pieces, *text, Qt::white);
        int calls = 1;
        while (appender.appendPiece())
            ++calls;
        QVERIFY(appender.isDone());
        QVERIFY2(calls > 1, "the text came in one piece");
        QCOMPARE(pieces.blockCount(), blocks);
        if (blocks == whole.blockCount()) {
            QCOMPARE(pieces.toHtml(), whole.toHtml());
            return;
        }
        QCOMPARE(pieces.toPlainText().remove(QLatin1Char('\n')), whole.toPlainText().remove(QLatin1Char('\n')));
        QCOMPARE(pieces.findBlockByNumber(blocks - 2).blockFormat(), whole.firstBlock().blockFormat());
    }

    void fillingReplacesTheContent()
    {
        QTextDocument document;
        document.setPlainText(QStringLiteral("old text\nsecond"));
        fillTextDocument(document, *readRtf("{\\rtf1 new}"), Qt::white);
        QCOMPARE(document.toPlainText(), QStringLiteral("new"));
        fillTextDocument(document, FormattedText(), Qt::white);
        QVERIFY(document.isEmpty());
    }
};

QTEST_MAIN(RichTextDocumentTest)
#include "tst_richtextdocument.moc"
