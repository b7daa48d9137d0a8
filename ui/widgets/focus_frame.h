#pragma once

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QRect>

// The dotted rectangle that marks the control, or the list row, that has the keyboard focus.
// Drawn here rather than by the widget style so that it shows on any face colour.
inline void DrawFocusFrame(QPainter& painter, const QRect& rect, const QColor& colour) {
    QPen pen(colour, 0);
    pen.setDashPattern({1.0, 1.0});
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}
