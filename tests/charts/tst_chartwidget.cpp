#include "base/ColourContrast.h"
#include "charts/ChartColors.h"
#include "charts/ChartPalette.h"
#include "charts/ChartStyle.h"
#include "charts/ChartWidget.h"
#include "charts/ExampleChart.h"
#include "charts/RowPositions.h"
#include "charts/TimeAxisLabels.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

namespace {

// A saved history of several engines, one of them with a gap.
ChartGrid history()
{
    ChartGrid grid = exampleChart();
    grid.setTitle("example.com");
    grid.setValue(2, 2, std::nullopt);
    return grid;
}

QImage renderImage(const ChartWidget& chart, QSize size = QSize(640, 420))
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    chart.render(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return image;
}

int differingPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

// Pixels close to the colour, allowing for shading and smoothing.
int pixelsNear(const QImage& image, const QColor& color, const QRect& area, int tolerance = 60)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const int distance = qAbs(pixel.red() - color.red()) + qAbs(pixel.green() - color.green()) +
                                 qAbs(pixel.blue() - color.blue());
            count += distance <= tolerance;
        }
    }
    return count;
}

int nonWhitePixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) != qRgb(255, 255, 255);
    return count;
}

void sendMouse(QWidget& widget, QEvent::Type type, QPoint position, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers)
{
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, QPointF(position), widget.mapToGlobal(QPointF(position)), button, buttons, modifiers);
    QApplication::sendEvent(&widget, &event);
}

void controlDrag(QWidget& widget, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
{
    sendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton, modifiers);
    sendMouse(widget, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, modifiers);
    sendMouse(widget, QEvent::MouseMove, to, Qt::NoButton, modifiers);
    sendMouse(widget, QEvent::MouseButtonRelease, to, Qt::LeftButton, modifiers);
}

} // namespace

class ChartWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTypeDrawsItsOwnChart()
    {
        ChartWidget chart;
        chart.setGrid(history());
        QList<QImage> images;
        for (int type = 0; type < 8; ++type) {
            chart.setChartType(type);
            QCOMPARE(chart.chartType(), type);
            const QImage image = renderImage(chart);
            // Well covered, and in the first series' colour.
            QVERIFY2(nonWhitePixels(image, image.rect()) > image.width() * image.height() / 20,
                     qPrintable(QString::number(type)));
            QVERIFY2(pixelsNear(image, ChartPalette::seriesColor(0), image.rect()) > 100,
                     qPrintable(QString::number(type)));
            images.append(image);
        }
        for (int a = 0; a < images.size(); ++a) {
            for (int b = a + 1; b < images.size(); ++b)
                QVERIFY2(differingPixels(images[a], images[b]) > 2000,
                         qPrintable(QStringLiteral("%1 and %2").arg(a).arg(b)));
        }
    }

    void typesOutsideTheListAreIgnored()
    {
        ChartWidget chart;
        chart.setChartType(5);
        chart.setChartType(8);
        chart.setChartType(-1);
        QCOMPARE(chart.chartType(), 5);
    }

    void theWidgetShowsWhatRenderDraws()
    {
        ChartWidget chart;
        chart.setGrid(history());
        chart.setChartType(0);
        chart.resize(500, 340);
        const QImage shown = chart.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QImage drawn(chart.size() * shown.devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
        drawn.setDevicePixelRatio(shown.devicePixelRatio());
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        chart.render(painter, QRectF(chart.rect()));
        painter.end();
        QCOMPARE(shown.size(), drawn.size());
        QCOMPARE(differingPixels(shown, drawn), 0);
    }

    void drawingStaysInsideTheTarget_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QSize>("size");
        for (int type = 0; type < 8; ++type) {
            QTest::addRow("type %d, small", type) << type << QSize(90, 60);
            QTest::addRow("type %d, large", type) << type << QSize(700, 450);
        }
    }

    void drawingStaysInsideTheTarget()
    {
        QFETCH(int, type);
        QFETCH(QSize, size);
        ChartWidget chart;
        ChartGrid grid = history();
        grid.setColumnLabel(1, QString(200, QLatin1Char('W')));
        grid.setRowLabel(0, QString(120, QLatin1Char('M')));
        grid.setTitle(QString(300, QLatin1Char('T')));
        chart.setGrid(grid);
        chart.setChartType(type);
        chart.setViewAngle({-70, 65});
        QImage image(size + QSize(40, 40), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        const QRectF target(QPointF(20, 20), QSizeF(size));
        chart.render(painter, target);
        painter.end();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (!target.contains(QPointF(x + 0.5, y + 0.5)))
                    QCOMPARE(qAlpha(image.pixel(x, y)), 0);
            }
        }
        QVERIFY(nonWhitePixels(image, target.toRect().adjusted(0, 0, -1, -1)) > 0);
    }

    void unusualDataStillMakesAChart_data()
    {
        QTest::addColumn<ChartGrid>("grid");
        QTest::addColumn<int>("type");

        ChartGrid empty;
        empty.setTitle("empty");
        ChartGrid zeros = exampleChart();
        ChartGrid negative = exampleChart();
        ChartGrid manySeries;
        manySeries.setColumnCount(24);
        manySeries.setRowCount(40);
        for (int row = 0; row < 40; ++row) {
            manySeries.setRowLabel(row, QStringLiteral("05-%1-06").arg(row + 1));
            for (int column = 0; column < 24; ++column) {
                zeros.setValue(row % 6, column % 6, 0.0);
                manySeries.setValue(row, column, (row + 1) * (column + 1));
            }
        }
        negative.setValue(1, 1, -300);
        negative.setValue(4, 3, -50);
        for (int type = 0; type < 8; ++type) {
            QTest::addRow("empty, type %d", type) << empty << type;
            QTest::addRow("all zero, type %d", type) << zeros << type;
            QTest::addRow("negative, type %d", type) << negative << type;
            QTest::addRow("24 series of 40, type %d", type) << manySeries << type;
        }
    }

    void unusualDataStillMakesAChart()
    {
        QFETCH(ChartGrid, grid);
        QFETCH(int, type);
        ChartWidget chart;
        chart.setGrid(grid);
        chart.setChartType(type);
        const QImage image = renderImage(chart);
        // The title or the axes at least, never an empty picture.
        QVERIFY(nonWhitePixels(image, image.rect()) > 500);
    }

    void zerosShowButGapsDoNot_data()
    {
        QTest::addColumn<int>("type");
        for (int type = 0; type < 8; ++type)
            QTest::addRow("type %d", type) << type;
    }

    void zerosShowButGapsDoNot()
    {
        QFETCH(int, type);
        ChartGrid zero;
        zero.setColumnCount(1);
        zero.setRowCount(3);
        ChartGrid gap = zero;
        for (int row = 0; row < 3; ++row)
            zero.setValue(row, 0, 0.0);
        ChartWidget chart;
        chart.setChartType(type);
        chart.setGrid(zero);
        const QImage zeros = renderImage(chart);
        chart.setGrid(gap);
        const QImage gaps = renderImage(chart);
        const QColor color = ChartPalette::seriesColor(0);
        // The plot, without the legend's colour key at the right.
        const QRect plot(0, 0, zeros.width() * 3 / 4, zeros.height());
        QCOMPARE(pixelsNear(gaps, color, plot, 90), 0);
        QVERIFY(pixelsNear(zeros, color, plot, 90) > 0);
    }

    // A value missing in the middle of a flat line leaves the line open
    // there; with the value the line runs through.
    void aMissingValueLeavesAGap()
    {
        ChartGrid grid;
        grid.setColumnCount(1);
        grid.setRowCount(5);
        for (int row = 0; row < 5; ++row)
            grid.setValue(row, 0, 10);
        ChartWidget chart;
        chart.setChartType(3);
        chart.setGrid(grid);
        const QImage full = renderImage(chart);
        grid.setValue(2, 0, std::nullopt);
        chart.setGrid(grid);
        const QImage open = renderImage(chart);

        // The plot spans the middle of the picture; category 2 of 5 is at its
        // centre. Look at a band of columns around it.
        const QColor color = ChartPalette::seriesColor(0);
        int middle = -1;
        for (int x = full.width() / 3; x < full.width() * 2 / 3 && middle < 0; ++x) {
            if (pixelsNear(full, color, QRect(x, 0, 1, full.height()), 40) > 0 &&
                pixelsNear(open, color, QRect(x, 0, 1, open.height()), 40) == 0)
                middle = x;
        }
        QVERIFY(middle > 0);
        // Farther out both pictures have the line.
        QVERIFY(pixelsNear(open, color, QRect(open.width() / 5, 0, 4, open.height()), 40) > 0);
    }

    void controlDragTurnsAThreeDimensionalChart()
    {
        ChartWidget chart;
        chart.setGrid(history());
        chart.setChartType(0);
        chart.resize(600, 400);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        const ViewAngle start = chart.viewAngle();
        const QImage before = renderImage(chart);

        controlDrag(chart, QPoint(300, 200), QPoint(360, 230));
        const ViewAngle turned = chart.viewAngle();
        QVERIFY(turned.yaw > start.yaw);
        QVERIFY(turned.pitch > start.pitch);
        QVERIFY(differingPixels(before, renderImage(chart)) > 2000);

        // Another 3D type keeps the view; a flat type returns to the start.
        chart.setChartType(4);
        QCOMPARE(chart.viewAngle(), turned);
        chart.setChartType(5);
        QCOMPARE(chart.viewAngle(), ViewAngle());
        chart.setChartType(0);
        QCOMPARE(differingPixels(before, renderImage(chart)), 0);
    }

    // With the keyboard focus, Control and an arrow key turn a 3D chart by
    // 5 degrees as a drag that way would; Home sets it straight.
    void keysTurnAThreeDimensionalChart_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<ViewAngle>("turned"); // from yaw 10, pitch 30
        const Qt::KeyboardModifiers control = Qt::ControlModifier;
        QTest::newRow("right") << 0 << int(Qt::Key_Right) << control << ViewAngle{15, 30};
        QTest::newRow("left") << 2 << int(Qt::Key_Left) << control << ViewAngle{5, 30};
        QTest::newRow("down") << 4 << int(Qt::Key_Down) << control << ViewAngle{10, 35};
        QTest::newRow("up") << 6 << int(Qt::Key_Up) << control << ViewAngle{10, 25};
        QTest::newRow("Home") << 0 << int(Qt::Key_Home) << Qt::KeyboardModifiers() << ViewAngle();
        QTest::newRow("arrow alone") << 0 << int(Qt::Key_Right) << Qt::KeyboardModifiers() << ViewAngle{10, 30};
        QTest::newRow("flat type") << 1 << int(Qt::Key_Right) << control << ViewAngle{10, 30};
    }

    void keysTurnAThreeDimensionalChart()
    {
        QFETCH(int, type);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(ViewAngle, turned);
        ChartWidget chart;
        chart.setGrid(history());
        chart.setChartType(type);
        chart.setViewAngle({10, 30});
        QTest::keyClick(&chart, Qt::Key(key), modifiers);
        QCOMPARE(chart.viewAngle(), turned);
    }

    // On screen the chart takes the palette's colours, dark or light, its
    // series standing out from either; paper and files stay white.
    void colorsFollowThePalette_data()
    {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light") << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("dark") << QColor(0x1e, 0x1e, 0x1e) << QColor(0xe6, 0xe6, 0xe6);
        QTest::newRow("dark blue") << QColor(0x10, 0x18, 0x40) << QColor(0xf0, 0xf0, 0xf0);
    }

    void colorsFollowThePalette()
    {
        QFETCH(QColor, base);
        QFETCH(QColor, text);
        ChartWidget chart;
        QPalette palette = chart.palette();
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Text, text);
        chart.setPalette(palette);
        chart.setGrid(history());
        const QImage shown = renderImage(chart);
        QCOMPARE(shown.pixelColor(2, 2), base);
        // The title and the labels are written in the text colour.
        QVERIFY(pixelsNear(shown, text, shown.rect(), 30) > 200);
        for (int series = 0; series < 10; ++series) {
            const QColor color = ChartColors::fromPalette(palette).series(series);
            QVERIFY2(ColourContrast::ratio(color, base) >= 3, qPrintable(QString::number(series)));
        }

        QImage paper(QSize(320, 200), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&paper);
        chart.renderOnPaper(painter, QRectF(paper.rect()));
        painter.end();
        QCOMPARE(paper.pixelColor(2, 2), QColor(Qt::white));
    }

    // Dates spaced by time get labels for the span in the room there is:
    // fewer as the chart narrows, and never two that touch.
    void timeLabelsNeverTouch_data()
    {
        QTest::addColumn<QList<QDate>>("dates");
        QTest::newRow("three saves") << QList<QDate>{{2026, 11, 25}, {2026, 12, 9}, {2027, 1, 6}};
        QTest::newRow("two days") << QList<QDate>{{2026, 11, 25}, {2026, 11, 27}};
        QList<QDate> daily;
        for (int day = 0; day < 3650; ++day)
            daily.append(QDate(2016, 12, 11).addDays(day));
        QTest::newRow("ten years, daily") << daily;
    }

    void timeLabelsNeverTouch()
    {
        QFETCH(QList<QDate>, dates);
        ChartGrid grid;
        grid.setRowCount(static_cast<int>(dates.size()));
        for (int row = 0; row < grid.rowCount(); ++row)
            grid.setRowDate(row, dates[row]);
        const RowPositions rows = RowPositions::byTime(grid).value();
        const QFont font = ChartStyle::forSize(QApplication::font(), QSizeF(640, 420)).labelFont;
        const QFontMetricsF metrics(font);
        qsizetype widerCount = std::numeric_limits<qsizetype>::max();
        for (const double width : {1400.0, 700.0, 350.0, 160.0, 60.0}) {
            TimeAxisLabels labels(grid, rows, font, QLocale(QLocale::English, QLocale::UnitedStates));
            labels.plan(width);
            const double unit = width / (rows.end() - rows.start());
            double right = -std::numeric_limits<double>::infinity();
            for (const TimeAxisLabels::Label& label : labels.labels()) {
                const double centre = (label.position - rows.start()) * unit;
                const double half = metrics.horizontalAdvance(label.text) / 2;
                QVERIFY2(centre - half > right, qPrintable(label.text));
                right = centre + half;
            }
            QVERIFY(labels.labels().size() <= widerCount);
            QVERIFY(width < 300 || labels.labels().size() >= 2);
            widerCount = labels.labels().size();
        }
    }

    void onlyControlDragTurnsAndOnlyIn3D()
    {
        ChartWidget chart;
        chart.setGrid(history());
        chart.resize(600, 400);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));

        chart.setChartType(6);
        controlDrag(chart, QPoint(300, 200), QPoint(380, 260), Qt::NoModifier);
        QCOMPARE(chart.viewAngle(), ViewAngle());

        chart.setChartType(7);
        controlDrag(chart, QPoint(300, 200), QPoint(380, 260));
        QCOMPARE(chart.viewAngle(), ViewAngle());

        // The view stays within its limits however far the drag goes.
        chart.setChartType(6);
        controlDrag(chart, QPoint(10, 10), QPoint(5000, 5000));
        QCOMPARE(chart.viewAngle(), (ViewAngle{ViewAngle::maxYaw, ViewAngle::maxPitch}));
    }
};

QTEST_MAIN(ChartWidgetTest)
#include "tst_chartwidget.moc"
