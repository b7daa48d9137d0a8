#include "bench/painted_captions.h"

#include <QPaintEvent>
#include <QPainter>

PaintedCaptions::PaintedCaptions(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PaintedCaptions::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const Caption& caption : captions_) {
        if (caption.visible && event->rect().intersects(caption.area)) {
            painter.fillRect(caption.area, caption.background);
            painter.drawText(caption.area, Qt::AlignHCenter | Qt::AlignTop, caption.text);
        }
    }
}
