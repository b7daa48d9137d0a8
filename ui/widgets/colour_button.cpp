#include "ui/widgets/colour_button.h"

#include <qdrawutil.h>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

#include "ui/widgets/focus_frame.h"

ColourButton::ColourButton(const QString& caption, const QColor& face, QWidget* parent)
    : QAbstractButton(parent), face_(face) {
    setText(caption);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool ColourButton::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            // QAbstractButton repaints the button at once when it goes down and up, and each
            // such repaint writes the window out to the display before the click is handled.
            // With updates held back around the gesture the button is painted once, with
            // whatever else the click changed, as soon as the event loop is free.
            setUpdatesEnabled(false);
            const bool handled = QAbstractButton::event(event);
            setUpdatesEnabled(true);
            return handled;
        }
        default:
            return QAbstractButton::event(event);
    }
}

namespace {

// Enter and the keypad's Enter, which carries the keypad modifier, and nothing else held down.
bool IsEnter(const QKeyEvent& event) {
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
           (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

void ColourButton::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(*event)) {
        // Enter clicks as it goes down, as it does on a default button, rather than on its
        // release as Space does: a screen reader may keep the release for itself (Orca does so
        // for the keypad's Enter, its "where am I" key, passed on to the program).
        if (!event->isAutoRepeat()) {
            click();
        }
        return;
    }
    QAbstractButton::keyPressEvent(event);
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
