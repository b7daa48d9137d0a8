#include "ui/accessibility/accessibility_setup.h"

#include <QAccessible>
#include <QLineEdit>
#include <QString>
#include <QWidget>

#include "form/control_layout.h"
#include "form/spoken_words.h"
#include "ui/accessibility/announcement.h"
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

QString AccessibleName(const ControlLayout& layout, const QWidget& control) {
    if (!layout.accessible.name.empty()) {
        return ToQString(layout.accessible.name);
    }
    const auto* label = qobject_cast<const CaptionLabel*>(LabelOf(control));
    return label != nullptr ? label->caption() : QString();
}

// Each click of a button is announced with what it did.
void AnnounceClicks(ColourButton& button, ControlIndex index, MainWindow& window) {
    QObject::connect(&button, &ColourButton::clicked, &window, [&window, index] {
        Announce(window, ToQString(ButtonOutcome(window.form(), index)));
    });
}

// The input line tells when its limit refused what the user typed or pasted, after the edit.
void AnnounceLimit(QLineEdit& line, QWidget& window) {
    if (auto* rule = line.findChild<InputLengthValidator*>()) {
        QObject::connect(
            rule, &InputLengthValidator::editCut, &window,
            [&window] { Announce(window, ToQString(kLimitReached)); }, Qt::QueuedConnection);
    }
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
        if (!layout.accessible.description.empty()) {
            control->setAccessibleDescription(ToQString(layout.accessible.description));
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
