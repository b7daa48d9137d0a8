#include "bench/painted_list.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <utility>

PaintedList::PaintedList(QWidget* parent) : QAbstractScrollArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setBackgroundRole(QPalette::Base);
    viewport()->setBackgroundRole(QPalette::Base);
}

void PaintedList::SetRows(QStringList rows) {
    rows_ = std::move(rows);
    UpdateScrollBar();
    viewport()->update();
}

void PaintedList::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const int lineHeight = fontMetrics().height();
    const int first = verticalScrollBar()->value();
    const QRect area = event->rect();
    for (int row = first + area.top() / lineHeight; row < static_cast<int>(rows_.size()); ++row) {
        const int top = (row - first) * lineHeight;
        if (top > area.bottom()) {
            break;
        }
        painter.drawText(QRect(2, top, viewport()->width() - 2, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, rows_[row]);
    }
}

void PaintedList::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBar();
}

void PaintedList::UpdateScrollBar() {
    const int lineHeight = std::max(1, fontMetrics().height());
    const int visible = viewport()->height() / lineHeight;
    verticalScrollBar()->setRange(0, std::max(0, static_cast<int>(rows_.size()) - visible));
    verticalScrollBar()->setPageStep(std::max(1, visible));
}
