#include "ui/accessibility/control_labels.h"

#include <QAccessibleInterface>
#include <QString>
#include <QWidget>
#include <string_view>

#include "form/control_layout.h"
#include "logic/control_index.h"
#include "ui/window/control_object_name.h"

namespace {

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
    for (const ControlLayout& layout : kControlLayout) {
        const ControlRef labelled = layout.accessible.labelFor;
        if (!labelled.name.empty() && Is(place.array, labelled.name) &&
            labelled.index == place.index) {
            return Sibling(control, layout.name, layout.index);
        }
    }
    return nullptr;
}

QWidget* ControlLabelledBy(const QWidget& label) {
    const Place place = PlaceOf(label);
    for (const ControlLayout& layout : kControlLayout) {
        if (Is(place.array, layout.name) && layout.index == place.index) {
            const ControlRef labelled = layout.accessible.labelFor;
            return labelled.name.empty() ? nullptr : Sibling(label, labelled.name, labelled.index);
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
