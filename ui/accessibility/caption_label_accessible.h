#pragma once

#include <QAccessibleWidget>

class CaptionLabel;

// A painted label as assistive technology reads it: StaticText whose name is the caption, the
// label of the control it stands beside (ControlLabelledBy), if any.
class CaptionLabelAccessible final : public QAccessibleWidget {
  public:
    explicit CaptionLabelAccessible(CaptionLabel* label);

    QString text(QAccessible::Text t) const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override;
};
