#include "ui/accessibility/list_accessible.h"

#include <QWidget>
#include <string>

#include "form/control_layout.h"
#include "form/spoken_words.h"
#include "ui/accessibility/announcement.h"
#include "ui/widgets/list_box_view.h"
#include "ui/widgets/to_qstring.h"

namespace {

// The row read across the lists of its group that stand beside it in the window.
QString ReadAcross(const ListBoxView& list, int row) {
    const QWidget* window = list.parentWidget();
    const std::string name = list.objectName().toStdString();
    for (const ControlLayout& layout : kControlLayout) {
        if (window == nullptr || ControlName(layout.ref()) != name) {
            continue;
        }
        const auto listOf = [&](ControlIndex index) -> const ListBox& {
            const auto* peer = window->findChild<const ListBoxView*>(
                QString::fromStdString(ControlName({layout.name, index})),
                Qt::FindDirectChildrenOnly);
            return peer != nullptr ? peer->model() : list.model();
        };
        return ToQString(ReadAcross(layout.ref(), row, listOf));
    }
    return {};
}

}  // namespace

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

QAccessibleInterface* ListRowAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(list_);
}

QString ListRowAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !isValid()) {
        return {};
    }
    return ToQString(list_->model().List(row_));
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
