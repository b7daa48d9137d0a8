#include "ui/accessibility/list_box_accessible.h"

#include "ui/accessibility/control_labels.h"
#include "ui/accessibility/list_row_accessible.h"
#include "ui/widgets/list_box_view.h"

ListBoxAccessible::ListBoxAccessible(ListBoxView* list)
    : QAccessibleWidget(list, QAccessible::List) {}

ListBoxAccessible::~ListBoxAccessible() {
    for (const QAccessible::Id id : rows_) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

ListBoxView* ListBoxAccessible::list() const {
    return static_cast<ListBoxView*>(widget());
}

int ListBoxAccessible::childCount() const {
    return list()->model().ListCount();
}

QAccessibleInterface* ListBoxAccessible::child(int index) const {
    if (!list()->model().HasRow(index)) {
        return nullptr;
    }
    const auto slot = static_cast<std::size_t>(index);
    if (slot >= rows_.size()) {
        rows_.resize(slot + 1, 0);
    }
    if (rows_[slot] == 0) {
        // Registered, the row keeps one identity for as long as the list lives, however often
        // a screen reader asks for it; Qt's cache owns it until the destructor deletes it.
        auto* row = new ListRowAccessible(list(), index);
        rows_[slot] = QAccessible::registerAccessibleInterface(row);  // NOLINT(*NewDeleteLeaks)
    }
    return QAccessible::accessibleInterface(rows_[slot]);
}

int ListBoxAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* row = dynamic_cast<const ListRowAccessible*>(child);
    if (row == nullptr || !row->isValid() || row->list() != list()) {
        return -1;
    }
    return row->row();
}

QAccessibleInterface* ListBoxAccessible::childAt(int x, int y) const {
    const QWidget* viewport = list()->viewport();
    const QPoint point = viewport->mapFromGlobal(QPoint(x, y));
    if (!viewport->rect().contains(point)) {
        return nullptr;
    }
    return child(list()->rowAt(point.y()));
}

QAccessibleInterface* ListBoxAccessible::focusChild() const {
    return list()->hasFocus() ? child(list()->focusRow()) : nullptr;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>> ListBoxAccessible::relations(
    QAccessible::Relation match) const {
    return WithRelation(QAccessibleWidget::relations(match), match, LabelOf(*widget()),
                        QAccessible::Label);
}
