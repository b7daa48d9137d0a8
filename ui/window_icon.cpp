#include "ui/window_icon.h"

#include <QSize>
#include <QString>

QIcon WindowIcon() {
    QIcon icon;
    // Given with their sizes, the pictures are read only when a size is asked for.
    icon.addFile(QStringLiteral(":/icons/hamburger.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/hamburger-64.png"), QSize(64, 64));
    return icon;
}
