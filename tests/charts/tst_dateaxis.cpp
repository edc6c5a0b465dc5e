#include "charts/ChartGrid.h"
#include "charts/DateAxis.h"
#include "charts/RowPositions.h"

#include <QTest>

class DateAxisTest : public QObject
{
    Q_OBJECT

private slots:
    // Room for eight ticks: the step grows with the span, from days to
    // years, and ticks fall on round dates.
    void ticksForTheSpan_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<DateAxis::Unit>("unit");
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<QDate>>("ends"); // the first and the last tick
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("firstLabel"); // in American English

        using U = DateAxis::Unit;
        QTest::newRow("two days") << QDate(2026, 11, 25) << QDate(2026, 11, 27) << U::Day << 1
                                  << QList<QDate>{{2026, 11, 25}, {2026, 11, 27}} << 3 << "11/25/2026";
        QTest::newRow("two weeks") << QDate(2026, 12, 1) << QDate(2026, 12, 14) << U::Day << 2
                                   << QList<QDate>{{2026, 12, 1}, {2026, 12, 13}} << 7 << "12/1/2026";
        QTest::newRow("nine weeks, on Mondays") << QDate(2026, 11, 18) << QDate(2027, 1, 20) << U::Day << 14
                                                << QList<QDate>{{2026, 11, 23}, {2027, 1, 18}} << 5 << "11/23/2026";
        QTest::newRow("five months") << QDate(2026, 8, 15) << QDate(2027, 1, 10) << U::Month << 1
                                     << QList<QDate>{{2026, 9, 1}, {2027, 1, 1}} << 5 << "Sep 2026";
        QTest::newRow("a year") << QDate(2026, 1, 1) << QDate(2026, 12, 31) << U::Month << 2
                                << QList<QDate>{{2026, 1, 1}, {2026, 11, 1}} << 6 << "Jan 2026";
        QTest::newRow("three years") << QDate(2024, 3, 5) << QDate(2027, 2, 1) << U::Month << 6
                                     << QList<QDate>{{2024, 7, 1}, {2027, 1, 1}} << 6 << "Jul 2024";
        QTest::newRow("ten years") << QDate(2016, 12, 11) << QDate(2026, 12, 8) << U::Year << 2
                                   << QList<QDate>{{2018, 1, 1}, {2026, 1, 1}} << 5 << "2018";
        QTest::newRow("one day") << QDate(2026, 11, 25) << QDate(2026, 11, 25) << U::Day << 1
                                 << QList<QDate>{{2026, 11, 25}, {2026, 11, 25}} << 1 << "11/25/2026";
    }

    void ticksForTheSpan()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(DateAxis::Unit, unit);
        QFETCH(int, step);
        QFETCH(QList<QDate>, ends);
        QFETCH(int, count);
        QFETCH(QString, firstLabel);
        const DateAxis axis = DateAxis::forSpan(first, last, 8);
        QCOMPARE(axis.unit(), unit);
        QCOMPARE(axis.step(), step);
        QCOMPARE(axis.ticks().size(), count);
        QCOMPARE((QList<QDate>{axis.ticks().first(), axis.ticks().last()}), ends);
        QCOMPARE(axis.label(axis.ticks().first(), QLocale(QLocale::English, QLocale::UnitedStates)), firstLabel);
    }

    // Rows stand at their dates when the dates run oldest first; rows that
    // are no date follow, as far apart as the closest dates.
    void rowsOnATimeLine_data()
    {
        QTest::addColumn<QList<QDate>>("dates");    // invalid: a row that is no date
        QTest::addColumn<QList<double>>("centres"); // empty: no time line
        QTest::newRow("three saves") << QList<QDate>{{2026, 11, 25}, {2026, 12, 9}, {2027, 1, 6}}
                                     << QList<double>{0, 14, 42};
        QTest::newRow("keys that are no date last")
            << QList<QDate>{{2026, 11, 25}, {2026, 12, 9}, {}, {}} << QList<double>{0, 14, 28, 42};
        QTest::newRow("newest first") << QList<QDate>{{2026, 12, 9}, {2026, 11, 25}} << QList<double>{};
        QTest::newRow("one day") << QList<QDate>{{2026, 12, 9}, {2026, 12, 9}} << QList<double>{};
        QTest::newRow("a date after a row without")
            << QList<QDate>{{2026, 12, 9}, {}, {2026, 12, 10}} << QList<double>{};
    }

    void rowsOnATimeLine()
    {
        QFETCH(QList<QDate>, dates);
        QFETCH(QList<double>, centres);
        ChartGrid grid;
        grid.setRowCount(static_cast<int>(dates.size()));
        for (int row = 0; row < grid.rowCount(); ++row)
            grid.setRowDate(row, dates[row]);
        const std::optional<RowPositions> rows = RowPositions::byTime(grid);
        QCOMPARE(rows.has_value(), !centres.isEmpty());
        if (!rows)
            return;
        QList<double> placed;
        for (int row = 0; row < rows->count(); ++row)
            placed.append(rows->centre(row));
        QCOMPARE(placed, centres);
        // Each row's stretch meets its neighbours' halfway; the ends reach
        // half the closest gap out.
        QCOMPARE(rows->start(), -7.0);
        QCOMPARE(rows->upper(0), 7.0);
        QCOMPARE(rows->lower(1), 7.0);
        QCOMPARE(rows->end(), centres.last() + 7);
    }

    // The rows of a history, flat or in depth, are captioned with the
    // locale's short date; the label keeps the saved key, and a row that is
    // no date keeps its label.
    void rowCaptionsFollowTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("caption");
        QTest::newRow("German") << "de_DE" << QDate(2026, 5, 11) << "11.05.2026";
        QTest::newRow("American") << "en_US" << QDate(2026, 5, 11) << "5/11/2026";
        QTest::newRow("British") << "en_GB" << QDate(2026, 5, 11) << "11/05/2026";
        QTest::newRow("Japanese") << "ja_JP" << QDate(1999, 12, 31) << "1999/12/31";
        QTest::newRow("no date") << "de_DE" << QDate() << "later";
    }

    void rowCaptionsFollowTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QDate, date);
        QFETCH(QString, caption);
        ChartGrid grid;
        grid.setRowCount(1);
        grid.setRowLabel(0, date.isValid() ? QStringLiteral("05-11-26") : QStringLiteral("later"));
        grid.setRowDate(0, date);
        QCOMPARE(grid.rowCaption(0, QLocale(locale)), caption);
        QCOMPARE(grid.rowLabel(0), date.isValid() ? QStringLiteral("05-11-26") : QStringLiteral("later"));
    }
};

QTEST_GUILESS_MAIN(DateAxisTest)
#include "tst_dateaxis.moc"
