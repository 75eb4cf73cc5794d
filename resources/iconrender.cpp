// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a window icon drawn as SVG to a square PNG of the given size, the way
// Qt's SVG icon engine would draw it, so that the program itself never loads that
// engine. scripts/icons.sh compiles and runs it by hand; the build does not.
//
//   iconrender <in.svg> <size> <out.png>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <in.svg> <size> <out.png>\n", argv[0]);
        return 2;
    }
    const QString in = QString::fromLocal8Bit(argv[1]);
    const int size = std::atoi(argv[2]);
    const QString out = QString::fromLocal8Bit(argv[3]);

    QSvgRenderer renderer(in);
    if (!renderer.isValid() || size <= 0) {
        std::fprintf(stderr, "%s: cannot render %s at %s px\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    QSize pixels = renderer.defaultSize();
    pixels.scale(size, size, Qt::KeepAspectRatio);
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!image.save(out, "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}
