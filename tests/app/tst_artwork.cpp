#include "app/BrandArtwork.h"
#include "app/BrandingInfo.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

namespace {

// Pixels that are not fully transparent.
int paintedPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                ++count;
        }
    }
    return count;
}

} // namespace

class ArtworkTest : public QObject
{
    Q_OBJECT

private slots:
    void icons_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("size");

        QTest::newRow("logo") << ":/icons/quorvex.svg" << 64;
        for (const char* name : {"rank-low", "rank-medium", "rank-high", "tab-data", "tab-chart", "tab-web", "back",
                                 "forward", "stop-loading", "refresh", "browse", "warning"})
            QTest::newRow(name) << QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(name)) << 16;
        for (const char* name : {"start", "stop", "options", "visit", "add", "delete", "load", "save", "save-selected",
                                 "web-results", "clear-all", "load-data", "print"})
            QTest::newRow(name) << QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(name)) << 32;
    }

    void icons()
    {
        QFETCH(QString, path);
        QFETCH(int, size);

        QVERIFY2(QFile::exists(path), qPrintable(path));
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), QSize(size, size));

        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        // Drawn, and not a filled square: the artwork has a shape.
        const int painted = paintedPixels(image);
        QVERIFY2(painted > size * size / 6, qPrintable(QString::number(painted)));
        QVERIFY(qAlpha(image.pixel(0, 0)) < 255);
    }

    void rankIconsDifferInColour_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("hue");
        QTest::newRow("low is red") << ":/icons/rank-low.svg"
                                    << "red";
        QTest::newRow("medium is yellow") << ":/icons/rank-medium.svg"
                                          << "yellow";
        QTest::newRow("high is green") << ":/icons/rank-high.svg"
                                       << "green";
    }

    void rankIconsDifferInColour()
    {
        QFETCH(QString, path);
        QFETCH(QString, hue);

        QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        QSvgRenderer(path).render(&painter);
        painter.end();

        // The most saturated pixels tell the icon's colour.
        int red = 0;
        int yellow = 0;
        int green = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor colour = QColor::fromRgba(image.pixel(x, y));
                if (colour.alpha() < 255 || colour.hsvSaturation() < 128)
                    continue;
                const int h = colour.hsvHue();
                if (h < 20 || h > 340)
                    ++red;
                else if (h >= 40 && h <= 65)
                    ++yellow;
                else if (h >= 90 && h <= 160)
                    ++green;
            }
        }
        const QMap<QString, int> counts{
            {QStringLiteral("red"), red}, {QStringLiteral("yellow"), yellow}, {QStringLiteral("green"), green}};
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            if (it.key() != hue)
                QVERIFY2(counts.value(hue) > 4 * it.value(), qPrintable(it.key()));
        }
    }

    void paintedPictures()
    {
        BrandingInfo branding;
        branding.productName = QStringLiteral("Quorvex");
        branding.companyName = QStringLiteral("Sample Publisher Ltd");
        branding.versionMajor = 1;
        branding.versionMinor = 5;

        const QImage splash = BrandArtwork::splashPicture(QSize(476, 316), branding).toImage();
        QCOMPARE(splash.size(), QSize(476, 316));
        QCOMPARE(paintedPixels(splash), 476 * 316);

        const QImage banner = BrandArtwork::aboutBanner(QSize(497, 68)).toImage();
        QCOMPARE(banner.size(), QSize(497, 68));
        QCOMPARE(paintedPixels(banner), 497 * 68);

        const QImage logo = BrandArtwork::logo(48).toImage();
        QCOMPARE(logo.size(), QSize(48, 48));
        QVERIFY(paintedPixels(logo) > 48 * 48 / 2);
    }

    void namesChangeTheSplash()
    {
        BrandingInfo first;
        first.productName = QStringLiteral("Quorvex");
        first.companyName = QStringLiteral("One");
        BrandingInfo second = first;
        second.companyName = QStringLiteral("Another Publisher");
        QVERIFY(BrandArtwork::splashPicture(QSize(476, 316), first).toImage() !=
                BrandArtwork::splashPicture(QSize(476, 316), second).toImage());
    }
};

QTEST_MAIN(ArtworkTest)
#include "tst_artwork.moc"
