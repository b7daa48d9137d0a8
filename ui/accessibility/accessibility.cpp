#include "ui/accessibility/accessibility.h"

#include <QAbstractNativeEventFilter>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

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

namespace {

class ClicksBehindKeys final : public QObject, public QAbstractNativeEventFilter {
  public:
    explicit ClicksBehindKeys(QWidget& window) : QObject(&window), widget_(&window) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        window.installEventFilter(this);
        release_.setSingleShot(true);
        connect(&release_, &QTimer::timeout, this, [this] { releaseClicks(); });
    }
    ~ClicksBehindKeys() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    ClicksBehindKeys(const ClicksBehindKeys&) = delete;
    ClicksBehindKeys& operator=(const ClicksBehindKeys&) = delete;

    // Each key press and release from the X server, while a screen reader may hold it.
    bool nativeEventFilter(const QByteArray& eventType, void* message,
                           qintptr* /*result*/) override {
        constexpr std::uint8_t kKeyPress = 2;  // XCB_KEY_PRESS; XCB_KEY_RELEASE is 3
        if (eventType == "xcb_generic_event_t" && QAccessible::isActive()) {
            const std::uint8_t type = *static_cast<const std::uint8_t*>(message) & 0x7f;
            if (type == kKeyPress || type == kKeyPress + 1) {
                keys_.emplace_back(kBridgeWait);
            }
        }
        return false;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_) {
            // The window system's events go to the widget's window, which exists once shown.
            if (event->type() == QEvent::Show && widget_->windowHandle() != window_) {
                window_ = widget_->windowHandle();
                window_->installEventFilter(this);
            }
            return false;
        }
        if (watched != window_) {
            return false;
        }
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
                // Delivered at last (or never held); the oldest key is the one.
                if (!keys_.empty()) {
                    keys_.pop_front();
                }
                if (!held_.empty() && keysOutstanding() == 0) {
                    // Posted, they follow this key, which the window handles now.
                    releaseClicks();
                }
                return false;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
                if (!event->spontaneous() || (held_.empty() && keysOutstanding() == 0)) {
                    return false;
                }
                held_.emplace_back(event->clone());
                release_.start(keys_.empty() ? 0 : static_cast<int>(keys_.back().remainingTime()));
                return true;
            default:
                return false;
        }
    }

  private:
    // A key the screen reader keeps is never delivered; Qt's bridge gives up waiting for an
    // answer after 100 ms and delivers what it still holds.
    static constexpr int kBridgeWait = 150;

    std::size_t keysOutstanding() {
        while (!keys_.empty() && keys_.front().hasExpired()) {
            keys_.pop_front();
        }
        return keys_.size();
    }

    void releaseClicks() {
        release_.stop();
        keys_.clear();
        for (std::unique_ptr<QEvent>& click : held_) {
            if (window_ != nullptr) {
                QCoreApplication::postEvent(window_, click.release());
            }
        }
        held_.clear();
    }

    QWidget* widget_;
    QPointer<QWindow> window_;
    std::deque<QDeadlineTimer> keys_;  // the keys not yet delivered, oldest first
    std::vector<std::unique_ptr<QEvent>> held_;
    QTimer release_;
};

}  // namespace

void KeepClicksBehindKeys(QWidget& window) {
    new ClicksBehindKeys(window);  // the window owns it
}
