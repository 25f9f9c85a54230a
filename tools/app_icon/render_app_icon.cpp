// Renders the program icon's SVG file into the PNG sizes of the hicolor icon theme:
//   render_app_icon resources/icons/org.wendelmoor.Wendelmoor.svg resources/icons
// writes resources/icons/SIZExSIZE.png for each size.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_app_icon ICON.svg FOLDER\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "render_app_icon: %s is not a readable SVG file\n", argv[1]);
        return 1;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString file = QStringLiteral("%1/%2x%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (!image.save(file)) {
            std::fprintf(stderr, "render_app_icon: %s could not be written\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
