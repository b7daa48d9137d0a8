#include "ui/accessibility/announcement.h"

#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <utility>

#include "ui/accessibility/accessibility.h"
#include "ui/widgets/to_qstring.h"

InvisibleText::InvisibleText(QAccessibleInterface* owner, std::function<QString()> words)
    : owner_(owner), words_(std::move(words)) {}

QString InvisibleText::text(QAccessible::Text t) const {
    return t == QAccessible::Name && isValid() ? words_() : QString();
}

namespace {

// The notification itself, nameless so that the words are spoken once. Its parent is the window,
// which does not count it among its children, so that no one comes across it while exploring.
class Notification final : public QAccessibleInterface {
  public:
    // The words, as a label inside the notification: Orca speaks the notification's role and then
    // the labels in it, and shows those labels in braille.
    Notification() : text_(new InvisibleText(this, [this] { return words_; })) {
        // Qt's cache owns both once registered, and deletes them when the application ends.
        QAccessible::registerAccessibleInterface(this);
        QAccessible::registerAccessibleInterface(text_);
    }

    void show(QWidget& window, const QString& words) {
        window_ = &window;
        if (words != words_) {
            words_ = words;
            // A client that keeps the names it has read (libatspi's cache, which pyatspi's main
            // loop keeps up to date from events) would otherwise read the first announcement's
            // words every time. Orca leaves a name change outside the focus unspoken.
            QAccessibleEvent renamed(text_, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
        QAccessibleEvent appeared(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&appeared);
    }

    bool isValid() const override { return window_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return window_ != nullptr ? window_->windowHandle() : nullptr;
    }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(window_);
    }
    QAccessibleInterface* child(int index) const override { return index == 0 ? text_ : nullptr; }
    int childCount() const override { return 1; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == text_ ? 0 : -1;
    }
    QString text(QAccessible::Text /*t*/) const override { return {}; }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

  private:
    QPointer<QWidget> window_;
    QString words_;
    InvisibleText* text_;
};

}  // namespace

void Announce(QWidget& window, std::u16string_view words) {
    if (!QAccessible::isActive()) {
        return;
    }
    static Notification* const notification = new Notification;  // NOLINT(*NewDeleteLeaks)
    notification->show(window, ToQString(words));
}
