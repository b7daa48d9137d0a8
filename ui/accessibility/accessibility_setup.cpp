#include "ui/accessibility/accessibility_setup.h"

#include <QAccessible>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <string_view>

#include "ui/accessibility/announcement.h"
#include "ui/accessibility/button_outcome.h"
#include "ui/accessibility/caption_label_accessible.h"
#include "ui/accessibility/control_labels.h"
#include "ui/accessibility/focus_selection_filter.h"
#include "ui/accessibility/form_accessible.h"
#include "ui/accessibility/input_line_accessible.h"
#include "ui/accessibility/list_box_accessible.h"
#include "ui/accessibility/list_selection_announcer.h"
#include "ui/widgets/caption_label.h"
#include "ui/widgets/colour_button.h"
#include "ui/widgets/input_length_validator.h"
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
    if (auto* line = qobject_cast<QLineEdit*>(object)) {
        return new InputLineAccessible(line);
    }
    if (auto* window = qobject_cast<MainWindow*>(object)) {
        return new FormAccessible(window);
    }
    return nullptr;
}

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

// The explanation box is named for what it is; a name taken from its first line would be spoken
// twice, once as the name and once as the line.
constexpr std::u16string_view kExplanationName = u"обяснение";

// Said when the input line's limit cut what the user typed or pasted.
constexpr std::u16string_view kLimitReached = u"Най-много 40 знака: останалото не е добавено.";

QString AccessibleName(const ControlLayout& layout, const QWidget& control) {
    if (layout.kind == ControlKind::ExplanationBox) {
        return ToQString(kExplanationName);
    }
    const auto* label = qobject_cast<const CaptionLabel*>(LabelOf(control));
    if (label == nullptr) {
        return {};
    }
    QString caption = label->caption();
    // A prompt's colon points at the field on screen; spoken as the field's name it is noise.
    if (caption.endsWith(u':')) {
        caption.chop(1);
    }
    return caption;
}

// Each click of a button is announced with what it did.
void AnnounceClicks(ColourButton& button, ControlIndex index, MainWindow& window) {
    QObject::connect(&button, &ColourButton::clicked, &window,
                     [&window, index] { Announce(window, ButtonOutcome(window.form(), index)); });
}

// The input line tells when its limit refused what the user typed or pasted, after the edit.
void AnnounceLimit(QLineEdit& line, QWidget& window) {
    if (auto* rule = line.findChild<InputLengthValidator*>()) {
        QObject::connect(
            rule, &InputLengthValidator::editCut, &window,
            [&window] { Announce(window, ToQString(kLimitReached)); }, Qt::QueuedConnection);
    }
}

QString AccessibleDescription(const ControlLayout& layout) {
    for (const Description& description : kDescriptions) {
        if (description.name == layout.name && description.index == layout.index) {
            return ToQString(description.text);
        }
    }
    return {};
}

void Describe(QWidget& window) {
    auto* form = qobject_cast<MainWindow*>(&window);
    for (const ControlLayout& layout : kControlLayout) {
        auto* control =
            window.findChild<QWidget*>(ControlObjectName(layout), Qt::FindDirectChildrenOnly);
        if (control == nullptr) {
            continue;
        }
        if (const QString name = AccessibleName(layout, *control); !name.isEmpty()) {
            control->setAccessibleName(name);
        }
        if (const QString description = AccessibleDescription(layout); !description.isEmpty()) {
            control->setAccessibleDescription(description);
        }
        // A hidden list is nowhere in what assistive technology reads, so it has nothing to say.
        if (auto* list = qobject_cast<ListBoxView*>(control); list != nullptr && layout.visible) {
            new ListSelectionAnnouncer(list);
        }
        if (auto* button = qobject_cast<ColourButton*>(control); button != nullptr && form) {
            AnnounceClicks(*button, layout.index, *form);
        }
        if (auto* line = qobject_cast<QLineEdit*>(control)) {
            AnnounceLimit(*line, window);
            QuietSelectionOnFocus(*line);
        }
    }
}

// Describes the window once assistive technology switches Qt's accessibility on: until then no
// one reads the names and the lists have no one to tell, so a start-up without a screen reader
// does none of the work.
class DescribeWhenListening final : public QObject, public QAccessible::ActivationObserver {
  public:
    explicit DescribeWhenListening(QWidget& window) : QObject(&window), window_(window) {
        QAccessible::installActivationObserver(this);
    }
    ~DescribeWhenListening() override { QAccessible::removeActivationObserver(this); }
    DescribeWhenListening(const DescribeWhenListening&) = delete;
    DescribeWhenListening& operator=(const DescribeWhenListening&) = delete;

    void accessibilityActiveChanged(bool active) override {
        if (active && !described_) {
            described_ = true;
            Describe(window_);
        }
    }

  private:
    QWidget& window_;
    bool described_ = false;
};

}  // namespace

void InstallAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(&CreateAccessibleInterface);
        return true;
    }();
    (void)installed;
}

void DescribeControlsForAssistiveTechnology(QWidget& window) {
    if (QAccessible::isActive()) {
        Describe(window);
    } else {
        new DescribeWhenListening(window);
    }
}
