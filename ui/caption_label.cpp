#include "ui/caption_label.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

namespace {

// Glyphs that reach highest and lowest in the captions' scripts. The table headings are barely
// taller than the font's own line, so a caption is placed by the ink it can have, not by the
// line's ascent and descent, which hold blank space above the capitals. Using one sample for
// every caption keeps the baselines of a row of headings in line.
constexpr char16_t kTallestAndDeepest[] = u"ЙФбдфрщу()";

}  // namespace

CaptionLabel::CaptionLabel(const QString& caption, const QColor& background, QWidget* parent)
    : QWidget(parent), caption_(caption), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), background_);

    const QFontMetricsF metrics(font());
    const QRectF ink = metrics.tightBoundingRect(QString::fromUtf16(kTallestAndDeepest));
    // Whole pixels keep the hinted glyphs sharp.
    const int baseline = qRound((height() - ink.height()) / 2 - ink.top());
    const int left = qRound((width() - metrics.horizontalAdvance(caption_)) / 2);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QPoint(left, baseline), caption_);
}
