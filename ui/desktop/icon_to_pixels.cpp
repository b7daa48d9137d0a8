// icon-to-pixels: a build tool that writes PNG pictures out as a C++ header of constant pixel data
// in the form a pixmap holds them (premultiplied ARGB, one 32-bit number a pixel), so that the
// program shows its window icon without decoding a PNG when it starts.
// usage: icon-to-pixels HEADER NAME PNG [NAME PNG...]      (the pictures must be square)

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 4 || argc % 2 != 0) {
        std::fputs("usage: icon-to-pixels HEADER NAME PNG [NAME PNG...]\n", stderr);
        return EXIT_FAILURE;
    }
    QString text;
    QTextStream out(&text);
    out << "// Written by icon-to-pixels while building; the pictures are the PNGs named below.\n"
           "#pragma once\n\n#include <cstdint>\n";
    for (int i = 2; i < argc; i += 2) {
        const QString name = QString::fromLocal8Bit(argv[i]);
        const QString path = QString::fromLocal8Bit(argv[i + 1]);
        // Read as the program read it before: by Qt's own PNG reader.
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.isNull() || image.width() != image.height()) {
            std::fprintf(stderr, "icon-to-pixels: %s is no square PNG\n", argv[i + 1]);
            return EXIT_FAILURE;
        }
        out << "\n// " << QFileInfo(path).fileName() << "\ninline constexpr int " << name
            << "Size = " << image.width() << ";\ninline constexpr std::uint32_t " << name
            << "[] = {";
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                out << ((y * image.width() + x) % 6 == 0 ? "\n   " : "") << " 0x"
                    << QString::number(row[x], 16).rightJustified(8, u'0') << "u,";
            }
        }
        out << "\n};\n";
    }
    out.flush();
    QFile header(QString::fromLocal8Bit(argv[1]));
    if (!header.open(QIODevice::WriteOnly) || header.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "icon-to-pixels: cannot write %s\n", argv[1]);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
