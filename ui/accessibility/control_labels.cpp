#include "ui/accessibility/control_labels.h"

#include <QAccessibleInterface>
#include <QString>
#include <QWidget>
#include <string_view>

#include "logic/control_index.h"
#include "ui/window/control_object_name.h"

namespace {

struct LabelledBy final {
    std::string_view control;
    std::string_view label;
    bool sameIndex;  // List2(k) by Label2(k); otherwise control 0 by the label of index `by`
    ControlIndex by;
};

constexpr LabelledBy kLabelledBy[] = {
    {"List2", "Label2", true, 0},
    {"List1", "Label4", true, 0},
    {"Text2", "Label1", false, 1},
};

// A control's array and index from its object name, "List2_4".
struct Place final {
    QString array;
    ControlIndex index = -1;
};

Place PlaceOf(const QWidget& widget) {
    const QString name = widget.objectName();
    const qsizetype underscore = name.lastIndexOf(u'_');
    if (underscore < 0) {
        return {};
    }
    return {name.left(underscore), static_cast<ControlIndex>(name.mid(underscore + 1).toShort())};
}

bool Is(const QString& array, std::string_view name) {
    return array == QLatin1StringView(name.data(), static_cast<qsizetype>(name.size()));
}

QWidget* Sibling(const QWidget& widget, std::string_view array, ControlIndex index) {
    QWidget* parent = widget.parentWidget();
    return parent != nullptr ? parent->findChild<QWidget*>(ControlObjectName(array, index),
                                                           Qt::FindDirectChildrenOnly)
                             : nullptr;
}

}  // namespace

QWidget* LabelOf(const QWidget& control) {
    const Place place = PlaceOf(control);
    for (const LabelledBy& rule : kLabelledBy) {
        if (Is(place.array, rule.control) && (rule.sameIndex || place.index == 0)) {
            return Sibling(control, rule.label, rule.sameIndex ? place.index : rule.by);
        }
    }
    return nullptr;
}

QWidget* ControlLabelledBy(const QWidget& label) {
    const Place place = PlaceOf(label);
    for (const LabelledBy& rule : kLabelledBy) {
        if (Is(place.array, rule.label) && (rule.sameIndex || place.index == rule.by)) {
            return Sibling(label, rule.control, rule.sameIndex ? place.index : 0);
        }
    }
    return nullptr;
}

AccessibleRelations WithRelation(AccessibleRelations related, QAccessible::Relation match,
                                 QWidget* other, QAccessible::Relation relation) {
    if (other != nullptr && (match & relation)) {
        related.append({QAccessible::queryAccessibleInterface(other), relation});
    }
    return related;
}
