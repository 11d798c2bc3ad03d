// Renders the SVG icon to a square PNG of the given size: render_icon INPUT.svg SIZE OUTPUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    bool sizeOk = false;
    const int size = args.value(2).toInt(&sizeOk);
    if (args.size() != 4 || !sizeOk || size <= 0)
        return 2;
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid())
        return 1;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.save(args.at(3)) ? 0 : 1;
}
