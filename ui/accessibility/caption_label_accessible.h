#pragma once

#include <QAccessibleWidget>

class CaptionLabel;

// A painted label as assistive technology reads it: StaticText whose name is the caption.
class CaptionLabelAccessible final : public QAccessibleWidget {
  public:
    explicit CaptionLabelAccessible(CaptionLabel* label);

    QString text(QAccessible::Text t) const override;
};
