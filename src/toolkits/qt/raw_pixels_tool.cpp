// A build step: writes an image as the program reads its built-in pictures, raw
// premultiplied ARGB32 pixels after their width and height (32-bit numbers in the
// machine's byte order), so that the program shows them without an image decoder.
//
//   quorvel-raw-pixels IN OUT
//
// IN is any image Qt reads: a file, or a picture among Qt's own resources (":/...").
// Run with QT_QPA_PLATFORM=offscreen: the application object registers the widget
// styles' resources and needs no display.

#include <QApplication>
#include <QFile>
#include <QImage>
#include <cstdint>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: quorvel-raw-pixels IN OUT\n");
        return 2;
    }
    const QImage image = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        std::fprintf(stderr, "quorvel-raw-pixels: cannot read %s\n", argv[1]);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "quorvel-raw-pixels: cannot write %s\n", argv[2]);
        return 1;
    }
    const std::uint32_t size[2] = {static_cast<std::uint32_t>(image.width()), static_cast<std::uint32_t>(image.height())};
    bool written = out.write(reinterpret_cast<const char*>(size), sizeof size) == sizeof size;
    for (int y = 0; written && y < image.height(); ++y) {
        const auto bytes = static_cast<qint64>(image.width()) * 4;
        written = out.write(reinterpret_cast<const char*>(image.constScanLine(y)), bytes) == bytes;
    }
    if (!written || !out.flush()) {
        std::fprintf(stderr, "quorvel-raw-pixels: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
