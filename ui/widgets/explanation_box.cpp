#include "ui/widgets/explanation_box.h"

#include <QMouseEvent>
#include <QTextCursor>

ExplanationBox::ExplanationBox(const QString& text, QWidget* parent) : QPlainTextEdit(parent) {
    // Read-only, yet selectable and copyable by mouse and keyboard, with a caret to show it.
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTabChangesFocus(true);
    setFocusPolicy(Qt::StrongFocus);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WordWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setPlainText(text);
}

void ExplanationBox::mousePressEvent(QMouseEvent* event) {
    // Shift+click extends the selection and starts no drag, so only a plain press loses it.
    if (event->button() == Qt::LeftButton && !(event->modifiers() & Qt::ShiftModifier)) {
        QTextCursor cursor = textCursor();
        if (cursor.hasSelection()) {
            cursor.clearSelection();
            setTextCursor(cursor);
        }
    }
    QPlainTextEdit::mousePressEvent(event);
}
