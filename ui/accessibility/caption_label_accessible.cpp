#include "ui/accessibility/caption_label_accessible.h"

#include "ui/widgets/caption_label.h"

CaptionLabelAccessible::CaptionLabelAccessible(CaptionLabel* label)
    : QAccessibleWidget(label, QAccessible::StaticText) {}

QString CaptionLabelAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        return static_cast<const CaptionLabel*>(widget())->caption();
    }
    return QAccessibleWidget::text(t);
}
