#pragma once

#include <QAccessibleInterface>
#include <QString>
#include <functional>

// Words for assistive technology that have no pixels of their own: a StaticText that belongs to
// an owner (its parent, whose window and validity it shares) and reads its words when asked.
// An announcement's text (Announce) and a row's read-across label are made of it.
class InvisibleText final : public QAccessibleInterface {
  public:
    InvisibleText(QAccessibleInterface* owner, std::function<QString()> words);

    bool isValid() const override { return owner_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return owner_->window(); }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return owner_; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override { return {}; }

  private:
    QAccessibleInterface* owner_;
    std::function<QString()> words_;
};
