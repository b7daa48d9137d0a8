#pragma once

#include <QAccessibleWidget>
#include <QList>

// The window as assistive technology reads it: a Window named by its caption, whose children
// are the controls that are not hidden, in the order they were created (headings before their
// lists). The controls that the window keeps hidden all its life are left out, so a screen
// reader never comes across them.
class FormAccessible final : public QAccessibleWidget {
  public:
    explicit FormAccessible(QWidget* window);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

  private:
    QList<QWidget*> shownControls() const;
};
