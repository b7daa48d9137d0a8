#include "ui/accessibility/invisible_text.h"

#include <utility>

InvisibleText::InvisibleText(QAccessibleInterface* owner, std::function<QString()> words)
    : owner_(owner), words_(std::move(words)) {}

QString InvisibleText::text(QAccessible::Text t) const {
    return t == QAccessible::Name && isValid() ? words_() : QString();
}
