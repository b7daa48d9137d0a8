#pragma once

#include <QAccessibleWidget>
#include <vector>

class ListBoxView;

// What assistive technology reads from a list control: a List named by its heading, with one
// ListItem child for each row of its model (ListRowAccessible), made when first asked for and
// kept until the list goes. The focused child is the list's focus row. Telling assistive
// technology about changes is left to ListSelectionAnnouncer.
class ListBoxAccessible final : public QAccessibleWidget {
  public:
    explicit ListBoxAccessible(ListBoxView* list);
    ~ListBoxAccessible() override;

    ListBoxAccessible(const ListBoxAccessible&) = delete;
    ListBoxAccessible& operator=(const ListBoxAccessible&) = delete;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    // The heading above the list is its label.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override;

  private:
    ListBoxView* list() const;

    // The registered interface of each row asked for so far; 0, which no interface has, for
    // rows not yet asked for.
    mutable std::vector<QAccessible::Id> rows_;
};
