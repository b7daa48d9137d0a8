#include "ui/accessibility/list_row_accessible.h"

#include "ui/accessibility/invisible_text.h"
#include "ui/accessibility/read_across.h"
#include "ui/widgets/list_box_view.h"
#include "ui/widgets/to_qstring.h"

ListRowAccessible::ListRowAccessible(ListBoxView* list, int row) : list_(list), row_(row) {}

ListRowAccessible::~ListRowAccessible() {
    if (readAcross_ != 0) {
        QAccessible::deleteAccessibleInterface(readAcross_);
    }
}

bool ListRowAccessible::isValid() const {
    return list_ != nullptr && list_->model().HasRow(row_);
}

QWindow* ListRowAccessible::window() const {
    return list_ != nullptr ? list_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* ListRowAccessible::childAt(int /*x*/, int /*y*/) const {
    return nullptr;
}

QAccessibleInterface* ListRowAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(list_);
}

QAccessibleInterface* ListRowAccessible::child(int /*index*/) const {
    return nullptr;
}

int ListRowAccessible::indexOfChild(const QAccessibleInterface* /*child*/) const {
    return -1;
}

QString ListRowAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !isValid()) {
        return {};
    }
    return ToQString(list_->model().List(row_));
}

void ListRowAccessible::setText(QAccessible::Text /*t*/, const QString& /*text*/) {
    // The rows are the form's data; assistive technology reads them but cannot change them.
}

QRect ListRowAccessible::rect() const {
    if (!isValid()) {
        return {};
    }
    const QRect area = list_->visualRect(row_);
    return {list_->viewport()->mapToGlobal(area.topLeft()), area.size()};
}

QAccessible::State ListRowAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.focusable = true;
    state.selected = list_->model().ListIndex() == row_;
    state.focused = list_->hasFocus() && list_->focusRow() == row_;
    state.invisible = !list_->isVisible();
    state.offscreen = !list_->viewport()->rect().intersects(list_->visualRect(row_));
    return state;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>> ListRowAccessible::relations(
    QAccessible::Relation match) const {
    if (!(match & QAccessible::Label) || !isValid()) {
        return {};
    }
    if (readAcross_ == 0) {
        // Registered, the label keeps one identity for the row's life; the destructor deletes it.
        // The label reads the row as it is when asked, not as it was when made.
        auto* self = const_cast<ListRowAccessible*>(this);  // NOLINT(*const-cast)
        readAcross_ = QAccessible::registerAccessibleInterface(
            new InvisibleText(self, [self] { return ReadAcross(*self->list(), self->row()); }));
    }
    return {{QAccessible::accessibleInterface(readAcross_), QAccessible::Label}};
}
