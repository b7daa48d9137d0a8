#include "ui/accessibility/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

#include "ui/accessibility/input_line_accessible.h"
#include "ui/accessibility/list_accessible.h"
#include "ui/widgets/caption_label.h"
#include "ui/widgets/list_box_view.h"

namespace {

using Relations = QList<QPair<QAccessibleInterface*, QAccessible::Relation>>;

// The window as assistive technology reads it: a Window named by its caption, whose children
// are the controls that are not hidden, in the order they were created (headings before their
// lists). The controls that the window keeps hidden all its life are left out, so a screen
// reader never comes across them; Qt's own interface would offer them.
class FormAccessible final : public QAccessibleWidget {
  public:
    explicit FormAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(shownControls().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> controls = shownControls();
        return index >= 0 && index < controls.size()
                   ? QAccessible::queryAccessibleInterface(controls.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* control = child != nullptr ? qobject_cast<QWidget*>(child->object()) : nullptr;
        return control != nullptr ? static_cast<int>(shownControls().indexOf(control)) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        // A later control is drawn over an earlier one where they overlap, so the search goes
        // from the last.
        const QList<QWidget*> controls = shownControls();
        for (auto control = controls.crbegin(); control != controls.crend(); ++control) {
            QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(*control);
            if (interface != nullptr && interface->rect().contains(x, y)) {
                return interface;
            }
        }
        return nullptr;
    }

  private:
    QList<QWidget*> shownControls() const {
        QList<QWidget*> controls;
        for (QObject* object : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(object);
            if (control != nullptr && !control->isWindow() && !control->isHidden()) {
                controls << control;
            }
        }
        return controls;
    }
};

// A caption as assistive technology reads it: StaticText named by its text, the label of its
// buddy. Qt's own interface for a QLabel says the same but reports the caption read-only.
class CaptionAccessible final : public QAccessibleWidget {
  public:
    explicit CaptionAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && widget()->accessibleName().isEmpty()
                   ? label()->text()
                   : QAccessibleWidget::text(t);
    }
    Relations relations(QAccessible::Relation match) const override {
        Relations related = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Labelled) && label()->buddy() != nullptr) {
            related.append(
                {QAccessible::queryAccessibleInterface(label()->buddy()), QAccessible::Labelled});
        }
        return related;
    }

  private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

QAccessibleInterface* CreateAccessibleInterface(const QString& /*className*/, QObject* object) {
    if (auto* list = qobject_cast<ListBoxView*>(object)) {
        return new ListBoxAccessible(list);
    }
    if (auto* label = qobject_cast<CaptionLabel*>(object)) {
        return new CaptionAccessible(label);
    }
    if (auto* line = qobject_cast<QLineEdit*>(object)) {
        return new InputLineAccessible(line);
    }
    if (auto* window = qobject_cast<QWidget*>(object);
        window != nullptr && window->isWindow() && window->objectName() == u"MainForm") {
        return new FormAccessible(window);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(&CreateAccessibleInterface);
        return true;
    }();
    (void)installed;
}
