// Renders an SVG icon as a square PNG of the given size, for the icon theme
// sizes that desktops look up before the scalable icon.
//
//   quorvex_icon_renderer <icon.svg> <size> <out.png>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Runs during the build, where there may be no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    bool isNumber = false;
    const int size = arguments.value(2).toInt(&isNumber);
    if (arguments.size() != 4 || !isNumber || size < 1 || size > 4096) {
        std::fputs("usage: quorvex_icon_renderer <icon.svg> <size> <out.png>\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(arguments[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "quorvex_icon_renderer: cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!image.save(arguments[3], "PNG")) {
        std::fprintf(stderr, "quorvex_icon_renderer: cannot write %s\n", qPrintable(arguments[3]));
        return 1;
    }
    return 0;
}
