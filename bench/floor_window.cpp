// The text floor: the least that any window of this program pays to show text in its font. A plain
// top-level widget of the program's size, colour and window flags, shown the ordinary way; built
// with AFFINE_FLOOR_LABEL it also shows one label "Криптирай" in Times New Roman 12 points.

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>
#ifdef AFFINE_FLOOR_LABEL
#include <QFont>
#include <QLabel>
#endif

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window.setObjectName(QStringLiteral("MainForm"));
    window.setWindowTitle(QStringLiteral("Информатика - криптиране, Affine cipher"));
    window.setFixedSize(503, 439);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xFF));
    window.setPalette(palette);

#ifdef AFFINE_FLOOR_LABEL
    QLabel label(QStringLiteral("Криптирай"), &window);
    label.setObjectName(QStringLiteral("Label"));
    label.setFont(QFont(QStringLiteral("Times New Roman"), 12));
    label.setAlignment(Qt::AlignCenter);
    label.setGeometry(328, 200, 89, 33);
#endif

    window.show();
    return QApplication::exec();
}
