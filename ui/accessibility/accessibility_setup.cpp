#include "ui/accessibility/accessibility_setup.h"

#include <QAccessible>
#include <QString>
#include <QWidget>
#include <string_view>

#include "ui/accessibility/caption_label_accessible.h"
#include "ui/accessibility/form_accessible.h"
#include "ui/accessibility/list_box_accessible.h"
#include "ui/accessibility/list_selection_announcer.h"
#include "ui/widgets/caption_label.h"
#include "ui/widgets/list_box_view.h"
#include "ui/widgets/to_qstring.h"
#include "ui/window/control_layout.h"
#include "ui/window/control_object_name.h"
#include "ui/window/main_window.h"

namespace {

QAccessibleInterface* CreateAccessibleInterface(const QString& /*className*/, QObject* object) {
    if (auto* list = qobject_cast<ListBoxView*>(object)) {
        return new ListBoxAccessible(list);
    }
    if (auto* label = qobject_cast<CaptionLabel*>(object)) {
        return new CaptionLabelAccessible(label);
    }
    if (auto* window = qobject_cast<MainWindow*>(object)) {
        return new FormAccessible(window);
    }
    return nullptr;
}

// The control whose caption names another: each list is named by its heading, the input line
// by its prompt and the explanation box by the title line. Labels and buttons speak their own
// captions.
struct NamedBy final {
    std::string_view name;
    std::string_view namedBy;
    bool sameIndex;  // List2(k) by Label2(k); otherwise by the label of index `by`
    ControlIndex by;
};

constexpr NamedBy kNamedBy[] = {
    {"List2", "Label2", true, 0},
    {"List1", "Label4", true, 0},
    {"Text2", "Label1", false, 1},
    {"Text1", "Label1", false, 0},
};

// What a name leaves open: what each column holds, which tells the two "mod 26" columns apart,
// what the buttons do and the input line's limit.
struct Description final {
    std::string_view name;
    ControlIndex index;
    std::u16string_view text;
};

constexpr Description kDescriptions[] = {
    {"List2", 0, u"номер x на буквата, от 0 до 25"},
    {"List2", 1, u"буквата с номер x"},
    {"List2", 2, u"стойността 5x+8"},
    {"List2", 3, u"5x+8 mod 26: номер y на шифровата буква"},
    {"List2", 4, u"шифровата буква с номер y"},
    {"List2", 5, u"стойността 21(y-8) преди привеждане по модул 26"},
    {"List2", 6, u"21(y-8) mod 26: номер x на началната буква"},
    {"List1", 0, u"буквите на криптирания текст, по една на ред"},
    {"List1", 1, u"кодът 21(y-8) на всяка буква на текста"},
    {"List1", 2, u"шифровата буква на всяка буква на текста"},
    {"Text2", 0, u"най-много 40 знака"},
    {"Command1", 0, u"криптира текста и показва резултата буква по буква"},
    {"Command1", 1, u"изчиства текста и резултата"},
};

std::u16string_view CaptionOf(std::string_view name, ControlIndex index) {
    for (const ControlLayout& layout : kControlLayout) {
        if (layout.name == name && layout.index == index) {
            return layout.caption;
        }
    }
    return {};
}

QString AccessibleName(const ControlLayout& layout) {
    for (const NamedBy& rule : kNamedBy) {
        if (rule.name == layout.name) {
            QString caption =
                ToQString(CaptionOf(rule.namedBy, rule.sameIndex ? layout.index : rule.by));
            // A prompt's colon points at the field on screen; spoken as the field's name it is
            // noise.
            if (caption.endsWith(u':')) {
                caption.chop(1);
            }
            return caption;
        }
    }
    return {};
}

QString AccessibleDescription(const ControlLayout& layout) {
    for (const Description& description : kDescriptions) {
        if (description.name == layout.name && description.index == layout.index) {
            return ToQString(description.text);
        }
    }
    return {};
}

}  // namespace

void InstallAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(&CreateAccessibleInterface);
        return true;
    }();
    (void)installed;
}

void DescribeControlsForAssistiveTechnology(QWidget& window) {
    for (const ControlLayout& layout : kControlLayout) {
        auto* control =
            window.findChild<QWidget*>(ControlObjectName(layout), Qt::FindDirectChildrenOnly);
        if (control == nullptr) {
            continue;
        }
        if (const QString name = AccessibleName(layout); !name.isEmpty()) {
            control->setAccessibleName(name);
        }
        if (const QString description = AccessibleDescription(layout); !description.isEmpty()) {
            control->setAccessibleDescription(description);
        }
        // A hidden list is nowhere in what assistive technology reads, so it has nothing to say.
        if (auto* list = qobject_cast<ListBoxView*>(control); list != nullptr && layout.visible) {
            new ListSelectionAnnouncer(list);
        }
    }
}
