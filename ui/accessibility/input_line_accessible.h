#pragma once

#include <QAccessibleWidget>

class QLineEdit;

// The input line as assistive technology reads it: EditableText, named and described from the
// control table and labelled by its prompt (the caption whose buddy it is), whose text a screen
// reader reads and edits through the text interfaces. Qt's own interface for a line
// edit reports every character as a text attribute run of no length, from which Orca builds the
// line without its last character; here the one run, with no attributes, is the whole text.
class InputLineAccessible final : public QAccessibleWidget,
                                  public QAccessibleTextInterface,
                                  public QAccessibleEditableTextInterface {
  public:
    explicit InputLineAccessible(QLineEdit* line);

    void* interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QAccessible::State state() const override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // QAccessibleEditableTextInterface: edits go through the line edit as typing does, so the
    // length limit holds for them too.
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

  private:
    QLineEdit* line() const;
};
