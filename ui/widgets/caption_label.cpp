#include "ui/widgets/caption_label.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "ui/widgets/to_qstring.h"

namespace {

// Letters that reach highest and lowest in the captions. The table headings are barely taller
// than the glyphs, so a caption is centred by the ink these letters have, not by the font's
// ascent and descent, which hold blank space above the capitals. One sample for every caption
// keeps the baselines of a row of headings in line.
constexpr char16_t kTallestAndDeepest[] = u"Ббдфрyg()";

// The sample's ink in a font, traced from the glyph outlines. Every label of the window has the
// same font, so the outlines are traced for the first label and the others take the result.
QRectF InkOf(const QFont& font) {
    static QString measuredKey;
    static QRectF ink;
    const QString key = font.key();
    if (key != measuredKey) {
        QPainterPath outline;
        outline.addText(0, 0, font, ToQString(kTallestAndDeepest));
        ink = outline.boundingRect();
        measuredKey = key;
    }
    return ink;
}

}  // namespace

CaptionLabel::CaptionLabel(const QString& caption, const QColor& background, QWidget* parent)
    : QLabel(parent), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
    // Set once the label is a CaptionLabel, so that the accessible interface that Qt makes for
    // the new text is the caption's own.
    setText(caption);
    measureInk();
}

void CaptionLabel::measureInk() {
    const QRectF ink = InkOf(font());
    inkAscent_ = -ink.top();
    inkDescent_ = ink.bottom();
}

void CaptionLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        measureInk();
    }
    QLabel::changeEvent(event);
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), background_);

    // A whole pixel keeps the hinted glyphs sharp. Half a pixel goes upwards: the list or
    // input line below a heading covers the heading's bottom pixel row.
    const qreal inkHeight = inkAscent_ + inkDescent_;
    const int baseline = qFloor((height() - inkHeight) / 2 + inkAscent_);
    const int left = qRound((width() - QFontMetricsF(font()).horizontalAdvance(text())) / 2);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QPoint(left, baseline), text());
}
