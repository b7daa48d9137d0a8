#include "ui/desktop/control_font.h"

#include <QString>

#include "form/form_layout.h"

QFont ControlFont() {
    QFont font(QString::fromLatin1(kFormLayout.fontFamily));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(kFormLayout.fontPointSize);
    font.setWeight(QFont::Normal);
    return font;
}
