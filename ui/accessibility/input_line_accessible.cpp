#include "ui/accessibility/input_line_accessible.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPointer>
#include <algorithm>

#include "ui/accessibility/accessibility.h"
#include "ui/widgets/input_length_validator.h"

namespace {

QPointer<QLineEdit> quietLine;
// What assistive technology was last told has the focus.
QPointer<QObject> announcedFocus;
// The update handler that was installed before PassOn, to which it hands every event it keeps.
QAccessible::UpdateHandler nextHandler = nullptr;

void PassOn(QAccessibleEvent* event) {
    if (event->type() == QAccessible::Focus) {
        announcedFocus = event->object();
    }
    if (event->type() == QAccessible::TextSelectionChanged && event->object() != nullptr &&
        event->object() == quietLine && !(quietLine->hasFocus() && announcedFocus == quietLine)) {
        return;
    }
    if (nextHandler != nullptr) {
        nextHandler(event);
        return;
    }
    // Without a handler Qt hands an event to the platform's bridge, which it does only while no
    // handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&PassOn);
}

}  // namespace

void QuietSelectionOnFocus(QLineEdit& line) {
    quietLine = &line;
    if (const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(&PassOn);
        previous != &PassOn) {
        nextHandler = previous;
    }
}

InputLineAccessible::InputLineAccessible(QLineEdit* line)
    : QAccessibleWidget(line, QAccessible::EditableText) {}

QLineEdit* InputLineAccessible::line() const {
    return static_cast<QLineEdit*>(widget());
}

void* InputLineAccessible::interface_cast(QAccessible::InterfaceType t) {
    switch (t) {
        case QAccessible::TextInterface:
            return static_cast<QAccessibleTextInterface*>(this);
        case QAccessible::EditableTextInterface:
            return static_cast<QAccessibleEditableTextInterface*>(this);
        default:
            return QAccessibleWidget::interface_cast(t);
    }
}

QString InputLineAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Value ? line()->text() : QAccessibleWidget::text(t);
}

void InputLineAccessible::setText(QAccessible::Text t, const QString& text) {
    if (t == QAccessible::Value) {
        replaceText(0, characterCount(), text);
    } else {
        QAccessibleWidget::setText(t, text);
    }
}

QAccessible::State InputLineAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.selectableText = true;
    return state;
}

void InputLineAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && line()->hasSelectedText()) {
        *startOffset = line()->selectionStart();
        *endOffset = line()->selectionEnd();
    }
}

int InputLineAccessible::selectionCount() const {
    return line()->hasSelectedText() ? 1 : 0;
}

void InputLineAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void InputLineAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        line()->deselect();
    }
}

void InputLineAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) {
        line()->setSelection(startOffset, endOffset - startOffset);
    }
}

int InputLineAccessible::cursorPosition() const {
    return line()->cursorPosition();
}

void InputLineAccessible::setCursorPosition(int position) {
    line()->setCursorPosition(position);
}

QString InputLineAccessible::text(int startOffset, int endOffset) const {
    const QString text = line()->text();
    if (startOffset > endOffset || startOffset < 0 || startOffset > text.size()) {
        return {};
    }
    return text.mid(startOffset, endOffset - startOffset);
}

int InputLineAccessible::characterCount() const {
    return static_cast<int>(line()->text().size());
}

QRect InputLineAccessible::characterRect(int offset) const {
    // Where the line edit draws the character, to within its scrolling: the text starts at the
    // left of its contents, and a line of the input line's length mostly fits.
    const QString text = line()->text();
    if (offset < 0 || offset >= text.size()) {
        return {};
    }
    const QFontMetrics metrics(line()->font());
    const QRect contents = line()->contentsRect() - line()->textMargins();
    const int x = contents.left() + metrics.horizontalAdvance(text.left(offset));
    const int y = contents.center().y() - metrics.height() / 2;
    const QRect area(x, y, metrics.horizontalAdvance(text.at(offset)), metrics.height());
    return {line()->mapToGlobal(area.topLeft()), area.size()};
}

int InputLineAccessible::offsetAtPoint(const QPoint& point) const {
    const QPoint local = line()->mapFromGlobal(point);
    return line()->rect().contains(local) ? line()->cursorPositionAt(local) : -1;
}

void InputLineAccessible::scrollToSubstring(int /*startIndex*/, int endIndex) {
    line()->setCursorPosition(endIndex);
}

QString InputLineAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = std::max(characterCount(), offset);
    return {};
}

void InputLineAccessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, QString());
}

void InputLineAccessible::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void InputLineAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    if (startOffset >= endOffset && text.isEmpty()) {
        return;
    }
    line()->setSelection(startOffset, endOffset - startOffset);
    if (text.isEmpty()) {
        line()->del();
        return;
    }
    // The limit cuts the text before the line edit reports the insertion, as for typing.
    auto* rule = line()->findChild<InputLengthValidator*>(QString(), Qt::FindDirectChildrenOnly);
    if (rule == nullptr || !rule->insertFitting(text)) {
        line()->insert(text);
    }
}
