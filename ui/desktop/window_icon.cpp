#include "ui/desktop/window_icon.h"

#include <QImageReader>
#include <QPixmap>
#include <QString>

namespace {

// Read by Qt's own PNG reader. Unless told that the file is a PNG and nothing else, Qt asks every
// image format plug-in whether it can read it, which loads them all (and the JPEG library with
// them) for one small picture.
QPixmap ReadPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

QIcon WindowIcon() {
    QIcon icon;
    icon.addPixmap(ReadPng(QStringLiteral(":/icons/hamburger.png")));
    icon.addPixmap(ReadPng(QStringLiteral(":/icons/hamburger-64.png")));
    return icon;
}
