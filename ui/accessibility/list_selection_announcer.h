#pragma once

#include <QAccessible>
#include <QObject>

class ListBoxView;

// Tells assistive technology what changed in one list each time the list shows its model: new
// rows, where the list says it replaced them, the row that lost the selection and the one that
// gained it, and, in the focused list, that the selected row now has the focus. When the keyboard
// focus comes into the list, Qt announces the list and nothing more is said: a screen reader
// then speaks the list's heading and description, which tell the two "mod 26" columns apart,
// and the first key that moves the selection speaks its row. It keeps no copy of the rows.
// Quiet, and nearly free, while no assistive technology is listening.
class ListSelectionAnnouncer final : public QObject {
    Q_OBJECT

  public:
    explicit ListSelectionAnnouncer(ListBoxView* list);

    // Where the announcements go: to QAccessible::updateAccessibility, which hands them to the
    // platform's bridge to assistive technology. Qt's offscreen platform has no bridge and drops
    // them, so a test takes them here instead. Returns the previous receiver.
    using Receiver = void (*)(QAccessibleEvent* event);
    static Receiver SetReceiver(Receiver receiver);

  private:
    void announceChanges(bool rowsReplaced);
    void send(QAccessible::Event event, int row);

    ListBoxView* list_;
    // The selection last announced, or that would have been while no one listened.
    int selection_;
};
