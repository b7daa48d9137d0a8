#pragma once

#include <QPlainTextEdit>

// A read-only box of explanatory text: the user scrolls it, selects and copies from it, but does
// not change it, and does not drag text out of it. Qt 6.4 can leave a window stuck in a drag
// after a quick one from such a box (the release that drops the text goes to the drag, so the box
// still waits to start one, and starts a second drag at the next move with no button held); so a
// press on the selection starts a new selection here, as a press anywhere else does.
class ExplanationBox final : public QPlainTextEdit {
    Q_OBJECT

  public:
    ExplanationBox(const QString& text, QWidget* parent);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};
