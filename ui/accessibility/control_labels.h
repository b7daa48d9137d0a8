#pragma once

class QWidget;

// Which caption on screen labels which control: each list the heading above it, the input line
// the prompt beside it. Assistive technology takes the label's text as the control's name and
// relates the two, so that braille shows a list with its heading.

// The label of a control of the window, or nullptr.
QWidget* LabelOf(const QWidget& control);

// The control that a label of the window labels, or nullptr.
QWidget* ControlLabelledBy(const QWidget& label);
