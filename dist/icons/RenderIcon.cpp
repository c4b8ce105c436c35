// corkwise-render-icon: draws the program's SVG icon as a square PNG of one size. The build runs
// it for every size the desktop wants, so the hand-drawn SVG stays the only source of the icon.
//
//   corkwise-render-icon SVG SIZE OUT.png
//
// Exit codes: 0 written, 1 the SVG cannot be read or the PNG cannot be written, 2 bad usage.

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: corkwise-render-icon SVG SIZE OUT.png\n", stderr);
        return 2;
    }
    bool ok = false;
    const int size = QByteArray(argv[2]).toInt(&ok);
    // Icon themes stop at 1024 pixels; anything beyond is a typing error.
    if (!ok || size < 1 || size > 1024) {
        std::fprintf(stderr, "corkwise-render-icon: bad size %s\n", argv[2]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "corkwise-render-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.convertToFormat(QImage::Format_ARGB32)
             .save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "corkwise-render-icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
