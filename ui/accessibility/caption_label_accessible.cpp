#include "ui/accessibility/caption_label_accessible.h"

#include "ui/accessibility/control_labels.h"
#include "ui/widgets/caption_label.h"

CaptionLabelAccessible::CaptionLabelAccessible(CaptionLabel* label)
    : QAccessibleWidget(label, QAccessible::StaticText) {}

QString CaptionLabelAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        return static_cast<const CaptionLabel*>(widget())->caption();
    }
    return QAccessibleWidget::text(t);
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>> CaptionLabelAccessible::relations(
    QAccessible::Relation match) const {
    return WithRelation(QAccessibleWidget::relations(match), match, ControlLabelledBy(*widget()),
                        QAccessible::Labelled);
}
