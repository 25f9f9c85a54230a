// Writes the item-type pictures as SVG files, 16 by 16, into a folder (resources/images/ of the
// source tree): make_item_images FOLDER. The program reads the files; run this after changing a
// drawing, or edit a file by hand.
#include "ItemTypeDrawings.h"

#include <QGuiApplication>
#include <QSvgGenerator>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_item_images FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");  // draws into files only
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int type = 0; type < kItemTypePictures; ++type) {
        QSvgGenerator svg;
        svg.setFileName(QStringLiteral("%1/item-type-%2.svg").arg(folder).arg(type, 2, 10, QLatin1Char('0')));
        svg.setSize(QSize(16, 16));
        svg.setViewBox(QRect(0, 0, 16, 16));
        svg.setTitle(QStringLiteral("Wendelmoor item type %1").arg(type));
        QPainter painter(&svg);
        painter.setRenderHint(QPainter::Antialiasing, true);
        drawItemTypePicture(painter, type);
    }
    return 0;
}
