#include "ui/accessibility/focus_selection_filter.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPointer>

namespace {

QPointer<QLineEdit> quietLine;
// What assistive technology was last told has the focus.
QPointer<QObject> announcedFocus;

void PassOn(QAccessibleEvent* event) {
    if (event->type() == QAccessible::Focus) {
        announcedFocus = event->object();
    }
    if (event->type() == QAccessible::TextSelectionChanged && event->object() != nullptr &&
        event->object() == quietLine && !(quietLine->hasFocus() && announcedFocus == quietLine)) {
        return;
    }
    // Qt hands an event to the platform's bridge only while no update handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&PassOn);
}

}  // namespace

void QuietSelectionOnFocus(QLineEdit& line) {
    quietLine = &line;
    QAccessible::installUpdateHandler(&PassOn);
}
