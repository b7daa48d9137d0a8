#include "ui/accessibility/list_selection_announcer.h"

#include <QAccessible>
#include <utility>

#include "ui/widgets/list_box_view.h"

namespace {

// Whether assistive technology is listening. Qt tells its activation observers whenever a
// screen reader's bridge (or anyone) switches accessibility on or off.
// The watch is made with the first announcer, and announcers are made once accessibility is on.
class ListeningWatch final : public QAccessible::ActivationObserver {
  public:
    ListeningWatch() : listening_(true) { QAccessible::installActivationObserver(this); }
    ~ListeningWatch() override { QAccessible::removeActivationObserver(this); }
    ListeningWatch(const ListeningWatch&) = delete;
    ListeningWatch& operator=(const ListeningWatch&) = delete;

    void accessibilityActiveChanged(bool active) override { listening_ = active; }
    bool listening() const { return listening_; }

  private:
    bool listening_;
};

bool Listening() {
    static ListeningWatch watch;
    return watch.listening();
}

ListSelectionAnnouncer::Receiver receiver = &QAccessible::updateAccessibility;

}  // namespace

ListSelectionAnnouncer::ListSelectionAnnouncer(ListBoxView* list)
    : QObject(list), list_(list), selection_(list->model().ListIndex()) {
    (void)Listening();  // from now on, whether assistive technology still listens
    connect(list, &ListBoxView::modelShown, this, &ListSelectionAnnouncer::announceChanges);
}

ListSelectionAnnouncer::Receiver ListSelectionAnnouncer::SetReceiver(Receiver next) {
    return std::exchange(receiver, next);
}

void ListSelectionAnnouncer::send(QAccessible::Event event, int row) {
    QAccessibleEvent announcement(list_, event);
    announcement.setChild(row);
    receiver(&announcement);
}

void ListSelectionAnnouncer::announceChanges(bool rowsReplaced) {
    const ListBox& model = list_->model();
    const int before = selection_;
    selection_ = model.ListIndex();
    // An event makes Qt create the interfaces it names, which no one needs while no assistive
    // technology listens.
    if (!Listening()) {
        return;
    }
    if (rowsReplaced) {
        QAccessibleEvent reorder(list_, QAccessible::ObjectReorder);
        receiver(&reorder);
    }
    if (selection_ == before) {
        return;
    }
    if (!rowsReplaced && model.HasRow(before)) {
        send(QAccessible::SelectionRemove, before);
    }
    if (model.HasRow(selection_)) {
        send(QAccessible::Selection, selection_);
        if (list_->hasFocus()) {
            send(QAccessible::Focus, selection_);
        }
    }
}
