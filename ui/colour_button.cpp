#include "ui/colour_button.h"

#include <qdrawutil.h>
#include <QPainter>

#include "ui/focus_frame.h"

ColourButton::ColourButton(const QString& caption, const QColor& face, QWidget* parent)
    : QAbstractButton(parent), face_(face) {
    setText(caption);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColourButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QBrush faceBrush(face_);
    const bool sunken = isDown();
    // The classic raised bevel, pressed in while the button is down.
    qDrawWinButton(&painter, rect(), palette(), sunken, &faceBrush);

    QRect captionArea = rect().adjusted(2, 2, -2, -2);
    if (sunken) {
        captionArea.translate(1, 1);
    }
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(captionArea, Qt::AlignCenter | Qt::TextSingleLine, text());

    if (hasFocus()) {
        DrawFocusFrame(painter, rect().adjusted(4, 4, -4, -4),
                       palette().color(QPalette::ButtonText));
    }
}
