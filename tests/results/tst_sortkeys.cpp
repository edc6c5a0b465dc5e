#include "results/SortKeys.h"

#include <QTest>

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale german(QLocale::German, QLocale::Germany);

QStringList inOrder(const QStringList& texts, const QList<int>& order)
{
    QStringList result;
    for (int index : order)
        result << texts.at(index);
    return result;
}

} // namespace

class SortKeysTest : public QObject
{
    Q_OBJECT

private slots:
    void numberKey_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("value");
        QTest::newRow("integer") << english << "1234" << true << 1234.0;
        QTest::newRow("leading zeros") << english << "007" << true << 7.0;
        QTest::newRow("fifteen digits") << english << "123456789012345" << true << 123456789012345.0;
        QTest::newRow("sixteen digits") << english << "1234567890123456" << true << 1234567890123456.0;
        QTest::newRow("grouped") << english << "1,234" << true << 1234.0;
        QTest::newRow("grouped millions") << english << "12,345,678" << true << 12345678.0;
        QTest::newRow("negative") << english << "-5" << true << -5.0;
        QTest::newRow("plus sign") << english << "+7" << true << 7.0;
        QTest::newRow("decimal") << english << "3.5" << true << 3.5;
        QTest::newRow("grouped decimal") << english << "-1,234.25" << true << -1234.25;
        QTest::newRow("surrounding spaces") << english << "  42  " << true << 42.0;
        QTest::newRow("zero") << english << "0" << true << 0.0;
        QTest::newRow("empty") << english << "" << false << 0.0;
        QTest::newRow("spaces") << english << "   " << false << 0.0;
        QTest::newRow("word") << english << "n/a" << false << 0.0;
        QTest::newRow("trailing letters") << english << "12abc" << false << 0.0;
        QTest::newRow("two numbers") << english << "1 2" << false << 0.0;
        QTest::newRow("not a number") << english << "nan" << false << 0.0;
        QTest::newRow("infinity") << english << "inf" << false << 0.0;
        QTest::newRow("German grouping") << german << "1.234,5" << true << 1234.5;
        QTest::newRow("German plain digits") << german << "1234" << true << 1234.0;
        QTest::newRow("German grouped") << german << "1.234" << true << 1234.0;
        QTest::newRow("German decimal comma") << german << "3,5" << true << 3.5;
        QTest::newRow("English decimal in German") << german << "3.5" << false << 0.0;
    }

    void numberKey()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(double, value);
        const SortKeys::NumberKey key = SortKeys::numberKey(text, locale);
        QCOMPARE(key.numeric, numeric);
        if (numeric)
            QCOMPARE(key.value, value);
    }

    void numberOrder_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("ascending");
        QTest::addColumn<QStringList>("descending");
        QTest::newRow("negatives, empty, grouped")
            << QStringList{"5", "-10", "", "1,234", "-5"} << QStringList{"", "-10", "-5", "5", "1,234"}
            << QStringList{"1,234", "5", "-5", "-10", ""};
        QTest::newRow("numeric, not textual")
            << QStringList{"10", "9", "100", "2"} << QStringList{"2", "9", "10", "100"}
            << QStringList{"100", "10", "9", "2"};
        QTest::newRow("decimals around zero")
            << QStringList{"0.5", "-0.25", "0", "-0.5", "0.25"} << QStringList{"-0.5", "-0.25", "0", "0.25", "0.5"}
            << QStringList{"0.5", "0.25", "0", "-0.25", "-0.5"};
        QTest::newRow("non-numeric first, keeping their order")
            << QStringList{"n/a", "3", "", "x", "-1"} << QStringList{"n/a", "", "x", "-1", "3"}
            << QStringList{"3", "-1", "n/a", "", "x"};
        QTest::newRow("spaces around numbers") << QStringList{" 20", "3 ", " 100 "} << QStringList{"3 ", " 20", " 100 "}
                                               << QStringList{" 100 ", " 20", "3 "};
        QTest::newRow("beyond twenty digits")
            << QStringList{"200000000000000000000", "30000000000000000000", "-400000000000000000000"}
            << QStringList{"-400000000000000000000", "30000000000000000000", "200000000000000000000"}
            << QStringList{"200000000000000000000", "30000000000000000000", "-400000000000000000000"};
    }

    void numberOrder()
    {
        QFETCH(QStringList, texts);
        QFETCH(QStringList, ascending);
        QFETCH(QStringList, descending);
        QCOMPARE(inOrder(texts, SortKeys::sortedOrder(texts, SortDataType::Number, true, english)), ascending);
        QCOMPARE(inOrder(texts, SortKeys::sortedOrder(texts, SortDataType::Number, false, english)), descending);
    }

    void equalKeysKeepTheirOrder_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("ascending");
        QTest::addColumn<QList<int>>("descending");
        QTest::newRow("equal numbers") << int(SortDataType::Number) << QStringList{"5", "1", "5", "9", "5"}
                                       << QList<int>{1, 0, 2, 4, 3} << QList<int>{3, 0, 2, 4, 1};
        QTest::newRow("equal values written differently")
            << int(SortDataType::Number) << QStringList{"1,000", "2", "1000", " 1000.0"} << QList<int>{1, 0, 2, 3}
            << QList<int>{0, 2, 3, 1};
        QTest::newRow("texts differing in case only")
            << int(SortDataType::Text) << QStringList{"b.com", "A.com", "a.com", "B.com"} << QList<int>{1, 2, 0, 3}
            << QList<int>{0, 3, 1, 2};
    }

    void equalKeysKeepTheirOrder()
    {
        QFETCH(int, type);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, ascending);
        QFETCH(QList<int>, descending);
        QCOMPARE(SortKeys::sortedOrder(texts, SortDataType(type), true, english), ascending);
        QCOMPARE(SortKeys::sortedOrder(texts, SortDataType(type), false, english), descending);
    }

    void textOrder_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("ascending");
        QTest::newRow("ignores letter case")
            << english << QStringList{"http://www.zeta.com", "http://www.Beta.com", "http://www.alpha.com"}
            << QStringList{"http://www.alpha.com", "http://www.Beta.com", "http://www.zeta.com"};
        QTest::newRow("empty first") << english << QStringList{"b", "", "a"} << QStringList{"", "a", "b"};
        QTest::newRow("digits are text") << english << QStringList{"10", "9", "100"} << QStringList{"10", "100", "9"};
        QTest::newRow("C locale ignores case too")
            << QLocale::c() << QStringList{"b", "C", "a", "D"} << QStringList{"a", "b", "C", "D"};
    }

    void textOrder()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, ascending);
        QCOMPARE(inOrder(texts, SortKeys::sortedOrder(texts, SortDataType::Text, true, locale)), ascending);
        QStringList descending(ascending.rbegin(), ascending.rend());
        QCOMPARE(inOrder(texts, SortKeys::sortedOrder(texts, SortDataType::Text, false, locale)), descending);
    }

    void emptyAndSingle()
    {
        QCOMPARE(SortKeys::sortedOrder({}, SortDataType::Number, true, english), QList<int>{});
        QCOMPARE(SortKeys::sortedOrder({"x"}, SortDataType::Text, false, english), QList<int>{0});
    }
};

QTEST_GUILESS_MAIN(SortKeysTest)
#include "tst_sortkeys.moc"
