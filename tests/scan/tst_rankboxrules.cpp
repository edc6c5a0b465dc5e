#include "scan/RankBoxRules.h"

#include <QStringList>
#include <QTest>

namespace {

// Three text boxes that report a change only when their text really
// changes, as a line edit does, so the rules nest exactly as in the dialog.
class Boxes
{
public:
    Boxes(const QString& low, const QString& boundary, const QString& high)
        : texts{low, boundary, high}
        , rules([this](int box) { return texts[box]; }, [this](int box, const QString& text) { set(box, text); })
    {}

    void set(int box, const QString& text)
    {
        if (texts[box] == text)
            return;
        texts[box] = text;
        ++changes;
        rules.boxChanged(box);
    }

    // Typing appends one character at a time.
    void type(int box, const QString& keys)
    {
        for (QChar key : keys)
            set(box, texts[box] + key);
    }

    QStringList texts;
    RankBoxRules rules;
    int changes = 0;
};

} // namespace

class RankBoxRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void pasting_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QStringList>("after");

        QTest::newRow("low above the boundary doubles into the boundary")
            << QStringList{"500", "1000", "1000"} << 0 << "1500" << QStringList{"1500", "3000", "3000"};
        QTest::newRow("low below the boundary changes nothing else")
            << QStringList{"500", "1000", "1000"} << 0 << "700" << QStringList{"700", "1000", "1000"};
        QTest::newRow("low equal to the boundary doubles too")
            << QStringList{"500", "1000", "1000"} << 0 << "1000" << QStringList{"1000", "2000", "2000"};
        QTest::newRow("boundary below the low pulls the low under it")
            << QStringList{"500", "1000", "1000"} << 1 << "400" << QStringList{"399", "400", "400"};
        QTest::newRow("boundary above the low only mirrors into high")
            << QStringList{"500", "1000", "1000"} << 1 << "2500" << QStringList{"500", "2500", "2500"};
        QTest::newRow("high sets the boundary and keeps the low")
            << QStringList{"500", "1000", "1000"} << 2 << "2000" << QStringList{"500", "2000", "2000"};
        QTest::newRow("high below the low moves the low under it")
            << QStringList{"500", "1000", "1000"} << 2 << "300" << QStringList{"299", "300", "300"};
        QTest::newRow("emptied box is left alone")
            << QStringList{"500", "1000", "1000"} << 0 << "" << QStringList{"", "1000", "1000"};
        QTest::newRow("a single space is left alone")
            << QStringList{"500", "1000", "1000"} << 1 << " " << QStringList{"500", " ", "1000"};
        QTest::newRow("pasted text loses characters until it converts")
            << QStringList{"500", "1000", "1000"} << 0 << "12ab" << QStringList{"12", "1000", "1000"};
        QTest::newRow("a number beyond 32 bits is cut back")
            << QStringList{"500", "1000", "1000"} << 2 << "99999999999" << QStringList{"500", "999999999", "999999999"};
        // A line edit holds up to 32767 characters; taking them back must not
        // nest once per character.
        QTest::newRow("a long paste of letters is taken back to nothing")
            << QStringList{"500", "1000", "1000"} << 0 << QString(32767, u'x') << QStringList{"", "1000", "1000"};
        QTest::newRow("a long run of digits is cut back to a 32-bit number")
            << QStringList{"500", "1000", "1000"} << 2 << QString(32767, u'1')
            << QStringList{"500", "1111111111", "1111111111"};
        QTest::newRow("a number followed by a long text keeps the number")
            << QStringList{"500", "1000", "1000"} << 1 << QStringLiteral("2500 ") + QString(32760, u'y')
            << QStringList{"500", "2500", "2500"};
        QTest::newRow("a long paste while another box holds no number empties the box")
            << QStringList{"500", "abc", "1000"} << 0 << QString(32767, u'7') << QStringList{"", "abc", "1000"};
    }

    void pasting()
    {
        QFETCH(QStringList, before);
        QFETCH(int, box);
        QFETCH(QString, pasted);
        QFETCH(QStringList, after);
        Boxes boxes(before[0], before[1], before[2]);
        boxes.set(box, pasted);
        QCOMPARE(boxes.texts, after);
    }

    void typingALetterIsTakenBack()
    {
        Boxes boxes("500", "1000", "1000");
        boxes.type(0, "x");
        QCOMPARE(boxes.texts, QStringList({"500", "1000", "1000"}));
    }

    void typingIntoTheLowBoxWhileTheBoundaryIsEmptyEmptiesIt()
    {
        Boxes boxes("500", "", "1000");
        boxes.type(0, "5");
        QCOMPARE(boxes.texts[0], QString());
    }

    void typingTheBoundaryDigitByDigit()
    {
        // Selecting the whole boundary and typing 4, 0, 0 passes through 4,
        // which pulls the low down to 3, where it stays.
        Boxes boxes("500", "1000", "1000");
        boxes.set(1, "4");
        boxes.type(1, "00");
        QCOMPARE(boxes.texts, QStringList({"3", "400", "400"}));
    }

    void doublingBeyond32BitsSettles()
    {
        Boxes boxes("500", "1000", "1000");
        boxes.set(0, "2000000000");
        // Twice the low does not fit in 32 bits: the boundary is cut back to
        // 400000000, which in turn pulls the low under it.
        QCOMPARE(boxes.texts, QStringList({"399999999", "400000000", "400000000"}));
        QVERIFY(boxes.changes < 20);
    }

    void loadingTheDefaultsOverTheDesignValues()
    {
        // The boxes start with the design values, then the stored settings
        // are assigned in order 0, 1, 2.
        Boxes boxes("1000", "10000", "10000");
        boxes.set(0, "500");
        boxes.set(1, "1000");
        boxes.set(2, "1000");
        QCOMPARE(boxes.texts, QStringList({"500", "1000", "1000"}));
    }
};

QTEST_GUILESS_MAIN(RankBoxRulesTest)
#include "tst_rankboxrules.moc"
