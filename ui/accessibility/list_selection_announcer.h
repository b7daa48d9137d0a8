#pragma once

#include <QAccessible>
#include <QObject>

class ListBoxView;

// Tells assistive technology what changed in one list each time the list shows its model: new
// rows, where the list says it replaced them, the row that lost the selection and the one that
// gained it, and, in the focused list, that the selected row now has the focus; and, when the
// keyboard focus comes into the list, which row it is on. It keeps no copy of the rows. Quiet,
// and nearly free, while no assistive technology is listening.
class ListSelectionAnnouncer final : public QObject {
    Q_OBJECT

  public:
    explicit ListSelectionAnnouncer(ListBoxView* list);

    // Where the announcements go: to QAccessible::updateAccessibility, which hands them to the
    // platform's bridge to assistive technology. Qt's offscreen platform has no bridge and drops
    // them, so a test takes them here instead. Returns the previous receiver.
    using Receiver = void (*)(QAccessibleEvent* event);
    static Receiver SetReceiver(Receiver receiver);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void announceChanges(bool rowsReplaced);
    void announceFocusRow();
    void send(QAccessible::Event event, int row);

    ListBoxView* list_;
    // The selection last announced, or that would have been while no one listened.
    int selection_;
};
