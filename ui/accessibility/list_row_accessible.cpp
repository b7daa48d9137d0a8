#include "ui/accessibility/list_row_accessible.h"

#include "ui/accessibility/read_across.h"
#include "ui/widgets/list_box_view.h"
#include "ui/widgets/to_qstring.h"

namespace {

// The row read across its group, as the label of the row.
class ReadAcrossLabel final : public QAccessibleInterface {
  public:
    explicit ReadAcrossLabel(const ListRowAccessible* row) : row_(row) {}

    bool isValid() const override { return row_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return row_->window(); }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return const_cast<ListRowAccessible*>(row_);  // NOLINT(*const-cast)
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? ReadAcross(*row_->list(), row_->row())
                                                   : QString();
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override { return {}; }

  private:
    const ListRowAccessible* row_;
};

}  // namespace

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
        readAcross_ = QAccessible::registerAccessibleInterface(new ReadAcrossLabel(this));
    }
    return {{QAccessible::accessibleInterface(readAcross_), QAccessible::Label}};
}
