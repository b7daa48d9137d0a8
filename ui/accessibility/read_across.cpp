#include "ui/accessibility/read_across.h"

#include <QWidget>

#include "form/control_layout.h"
#include "form/spoken_words.h"
#include "ui/widgets/list_box_view.h"
#include "ui/widgets/to_qstring.h"
#include "ui/window/control_object_name.h"

QString ReadAcross(const ListBoxView& list, int row) {
    const QWidget* window = list.parentWidget();
    for (const ControlLayout& layout : kControlLayout) {
        if (window == nullptr || ControlObjectName(layout) != list.objectName()) {
            continue;
        }
        const auto listOf = [&](ControlIndex index) -> const ListBox& {
            const auto* peer = window->findChild<const ListBoxView*>(
                ControlObjectName(layout.name, index), Qt::FindDirectChildrenOnly);
            return peer != nullptr ? peer->model() : list.model();
        };
        return ToQString(::ReadAcross(layout.ref(), row, listOf));
    }
    return {};
}
