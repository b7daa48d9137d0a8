#include "ui/accessibility/read_across.h"

#include <QStringList>
#include <QWidget>
#include <string_view>

#include "logic/control_index.h"
#include "ui/widgets/list_box_view.h"
#include "ui/widgets/to_qstring.h"
#include "ui/window/control_object_name.h"

namespace {

// The columns of both groups in the order they stand on screen, each with the heading spoken
// before its cell: the table's headings as they are, in lower case; for the results, short words
// in place of "код - шифър" and the abbreviated "изх. текст".
struct SpokenColumn final {
    std::string_view array;
    ControlIndex index;
    std::u16string_view heading;
};

constexpr SpokenColumn kSpokenColumns[] = {
    {"List2", 0, u"номер"},  {"List2", 1, u"буква"}, {"List2", 2, u"5x+8"},
    {"List2", 3, u"mod 26"}, {"List2", 4, u"шифър"}, {"List2", 5, u"21(y-8)"},
    {"List2", 6, u"mod 26"}, {"List1", 0, u"буква"}, {"List1", 1, u"код"},
    {"List1", 2, u"шифър"},
};

QString Cell(const ListBoxView& list, int row) {
    return ToQString(list.model().List(row));
}

}  // namespace

QString ReadAcross(const ListBoxView& list, int row) {
    if (!list.model().HasRow(row)) {
        return {};
    }
    const QString own = list.objectName();
    const SpokenColumn* ownColumn = nullptr;
    for (const SpokenColumn& column : kSpokenColumns) {
        if (ControlObjectName(column.array, column.index) == own) {
            ownColumn = &column;
        }
    }
    QStringList others;
    const QWidget* window = list.parentWidget();
    if (ownColumn != nullptr && window != nullptr) {
        for (const SpokenColumn& column : kSpokenColumns) {
            if (column.array != ownColumn->array || &column == ownColumn) {
                continue;
            }
            const auto* peer = window->findChild<const ListBoxView*>(
                ControlObjectName(column.array, column.index), Qt::FindDirectChildrenOnly);
            if (peer != nullptr && !peer->isHidden() && peer->model().HasRow(row)) {
                others << ToQString(column.heading) + u' ' + Cell(*peer, row);
            }
        }
    }
    return others.isEmpty()
               ? Cell(list, row)
               : Cell(list, row) + QStringLiteral("; ") + others.join(QStringLiteral(", "));
}
