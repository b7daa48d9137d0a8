#pragma once

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QRect>
#include <QString>

#include "logic/list_box.h"

// A list control drawn straight from its ListBox: the rows and the highlighted row on screen are
// always the model's, so the list cannot show a selection the model does not hold. The user's
// mouse and keyboard gestures only name the row the user asks for (rowChosen); the owner runs the
// selection through the form's handlers and then calls showModel.
class ListBoxView final : public QAbstractScrollArea {
    Q_OBJECT

  public:
    // How showModel moves the list: not at all, so that the selected row is in view (after the
    // selection was set), or back to the top (after the rows were replaced).
    enum class Scroll { Keep, SelectionIntoView, ToTop };

    ListBoxView(const ListBox& model, QWidget* parent);

    const ListBox& model() const { return model_; }

    // Takes in the model's current rows and selection. Keep and SelectionIntoView tell that the
    // rows are those already shown, so that only a change of selection is painted. While
    // assistive technology listens, a shown list then tells it what changed, as Qt's own item
    // views do: new rows (ToTop), the row that lost the selection and the one that gained it,
    // and, in the focused list, that the selected row now has the focus. When the keyboard focus
    // comes into the list, Qt announces the list and nothing more is said: a screen reader then
    // speaks the list's heading and description, which tell the two "mod 26" columns apart, and
    // the first key that moves the selection speaks its row.
    void showModel(Scroll scroll);

    // The row the keyboard acts on, framed while the list has the focus: the selected row, or
    // the first row, which an arrow key selects, while none is selected; -1 in an empty list.
    // The painting and the accessible list read it here.
    int focusRow() const;

    // Row geometry in viewport coordinates.
    int rowHeight() const;
    int topRow() const;
    int fullyVisibleRowCount() const;
    QRect visualRect(int row) const;
    int rowAt(int y) const;  // -1 where there is no row

  signals:
    // The user asked for this row by mouse or keyboard; the row exists.
    void rowChosen(int row);
    // Ctrl+C (or the platform's copy key) while the list has the focus.
    void copyRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    void tellAssistiveTechnology(bool rowsReplaced, int selectionBefore);
    void updateScrollRange();
    void scrollIntoView(int row);
    void choose(int row);
    // The row a navigation key leads to, or -1 for a key that is no navigation key.
    int navigationTarget(int key) const;
    // The next row, from the selection on, whose text starts with what the user has just typed.
    int searchTarget(const QString& typed);

    const ListBox& model_;
    // The selection and the focus row as last shown, so that a change of selection repaints two
    // rows only.
    int shownSelection_ = -1;
    int shownFocusRow_ = -1;
    bool dragging_ = false;
    QString search_;
    QElapsedTimer searchClock_;
};
