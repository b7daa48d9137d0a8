#include "ui/desktop/window_icon.h"

#include <QImage>
#include <QPixmap>
#include <cstdint>

#include "hamburger_pixels.h"

namespace {

// The pixels, taken from the PNGs while building, are already as a pixmap holds them, so the
// pixmap takes them as they are: nothing is decoded or converted when the program starts.
QPixmap FromPixels(const std::uint32_t* pixels, int size) {
    const QImage image(reinterpret_cast<const uchar*>(pixels), size, size, size * 4,
                       QImage::Format_ARGB32_Premultiplied);
    return QPixmap::fromImage(image);
}

}  // namespace

QIcon WindowIcon() {
    QIcon icon;
    icon.addPixmap(FromPixels(kHamburger32, kHamburger32Size));
    icon.addPixmap(FromPixels(kHamburger64, kHamburger64Size));
    return icon;
}
