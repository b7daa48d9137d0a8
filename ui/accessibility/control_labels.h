#pragma once

#include <QAccessible>
#include <QList>
#include <QPair>

class QAccessibleInterface;
class QWidget;

using AccessibleRelations = QList<QPair<QAccessibleInterface*, QAccessible::Relation>>;

// Which caption on screen labels which control: each list the heading above it, the input line
// the prompt beside it. Assistive technology takes the label's text as the control's name and
// relates the two, so that braille shows a list with its heading.

// The label of a control of the window, or nullptr.
QWidget* LabelOf(const QWidget& control);

// The control that a label of the window labels, or nullptr.
QWidget* ControlLabelledBy(const QWidget& label);

// `related` with `other` added as `relation`, where there is an other and `match` asks for it.
AccessibleRelations WithRelation(AccessibleRelations related, QAccessible::Relation match,
                                 QWidget* other, QAccessible::Relation relation);
