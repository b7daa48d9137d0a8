#pragma once

#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

class ListBoxView;

// What assistive technology reads from a list control: a List, named by its heading (the caption
// whose buddy it is) and described from the control table, with one ListItem child for each row
// of its model, made when first asked for and kept until the list goes. The focused child is the
// list's focus row. The list itself tells assistive technology of its changes
// (ListBoxView::showModel).
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

  private:
    ListBoxView* list() const;

    // The registered interface of each row asked for so far; 0, which no interface has, for
    // rows not yet asked for.
    mutable std::vector<QAccessible::Id> rows_;
};

// One row of a list control as assistive technology reads it: a ListItem named by the row's
// text, selected while it is the model's selected row and focused while it is the row that the
// focused list's keyboard acts on. The row is a place in the list, not a copy of its text, so it
// always reads what the model holds there; it is no longer valid once the list has fewer rows.
// For the ear the row reads across its group (ReadAcross in form/spoken_words.h): it is labelled
// by a StaticText with no place on screen whose name is the row read across, and Orca speaks a
// list item by its label, and shows the label beside the name in braille. (A description with
// the same words would be spoken a second time.)
class ListRowAccessible final : public QAccessibleInterface {
  public:
    ListRowAccessible(ListBoxView* list, int row);
    ~ListRowAccessible() override;

    ListRowAccessible(const ListRowAccessible&) = delete;
    ListRowAccessible& operator=(const ListRowAccessible&) = delete;

    ListBoxView* list() const { return list_; }
    int row() const { return row_; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    // The rows are the form's data; assistive technology reads them but cannot change them.
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override;

  private:
    QPointer<ListBoxView> list_;
    int row_;
    mutable QAccessible::Id readAcross_ = 0;  // the label, made when first asked for
};
