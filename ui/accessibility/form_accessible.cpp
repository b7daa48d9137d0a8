#include "ui/accessibility/form_accessible.h"

#include <QWidget>

FormAccessible::FormAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

QList<QWidget*> FormAccessible::shownControls() const {
    QList<QWidget*> controls;
    for (QObject* object : widget()->children()) {
        auto* control = qobject_cast<QWidget*>(object);
        if (control != nullptr && !control->isWindow() && !control->isHidden()) {
            controls << control;
        }
    }
    return controls;
}

int FormAccessible::childCount() const {
    return static_cast<int>(shownControls().size());
}

QAccessibleInterface* FormAccessible::child(int index) const {
    const QList<QWidget*> controls = shownControls();
    if (index < 0 || index >= controls.size()) {
        return nullptr;
    }
    return QAccessible::queryAccessibleInterface(controls.at(index));
}

int FormAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr) {
        return -1;
    }
    auto* control = qobject_cast<QWidget*>(child->object());
    return control != nullptr ? static_cast<int>(shownControls().indexOf(control)) : -1;
}

QAccessibleInterface* FormAccessible::childAt(int x, int y) const {
    // A later control is drawn over an earlier one where they overlap, so the search goes from
    // the last.
    const QList<QWidget*> controls = shownControls();
    for (auto control = controls.crbegin(); control != controls.crend(); ++control) {
        QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(*control);
        if (interface != nullptr && interface->rect().contains(x, y)) {
            return interface;
        }
    }
    return nullptr;
}
