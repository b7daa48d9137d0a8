#include "ui/widgets/list_box_view.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "ui/widgets/focus_frame.h"
#include "ui/widgets/to_qstring.h"

namespace {

// Room between a row's left edge and its text, as the classic list box leaves.
constexpr int kTextIndent = 2;

QString RowText(const ListBox& model, int row) {
    return ToQString(model.List(row));
}

}  // namespace

ListBoxView::ListBoxView(const ListBox& model, QWidget* parent)
    : QAbstractScrollArea(parent), model_(model) {
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Base);
    // paintEvent fills what it paints, so Qt need not clear the viewport first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(1);
    updateScrollRange();
}

void ListBoxView::showModel(Scroll scroll) {
    const int selectionBefore = shownSelection_;
    updateScrollRange();
    const int selected = model_.ListIndex();
    if (scroll == Scroll::ToTop) {
        verticalScrollBar()->setValue(0);
        // New rows: all of the list is painted again.
        viewport()->update();
    } else {
        if (scroll == Scroll::SelectionIntoView) {
            scrollIntoView(selected);  // a scroll paints the whole list
        }
        // The rows on screen are still the model's; only the highlight may have moved, and the
        // focus frame with it.
        if (selected != shownSelection_) {
            viewport()->update(visualRect(shownFocusRow_));
            viewport()->update(visualRect(focusRow()));
        }
    }
    shownSelection_ = selected;
    shownFocusRow_ = focusRow();
    // An event makes Qt create the interfaces it names, which no one needs while no assistive
    // technology listens. A list not shown, the hidden one or any before the window first
    // appears, has no one to tell: the rows that the form's load put in are what a screen reader
    // finds when it first looks.
    if (QAccessible::isActive() && isVisible()) {
        tellAssistiveTechnology(scroll == Scroll::ToTop, selectionBefore);
    }
}

void ListBoxView::tellAssistiveTechnology(bool rowsReplaced, int selectionBefore) {
    const auto tell = [this](QAccessible::Event type, int row) {
        QAccessibleEvent event(this, type);
        event.setChild(row);
        QAccessible::updateAccessibility(&event);
    };
    if (rowsReplaced) {
        // New rows are a model reset. Qt 6.4's AT-SPI bridge answers ObjectReorder with one
        // children-changed signal for each row whose child is a string where clients expect a
        // variant, which libatspi rejects with a warning each; a model reset it carries as
        // nothing at all, and the rows read the model whenever they are asked.
        QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    }
    const int selected = model_.ListIndex();
    if (selected == selectionBefore) {
        return;
    }
    if (!rowsReplaced && model_.HasRow(selectionBefore)) {
        tell(QAccessible::SelectionRemove, selectionBefore);
    }
    if (model_.HasRow(selected)) {
        tell(QAccessible::Selection, selected);
        if (hasFocus()) {
            tell(QAccessible::Focus, selected);
        }
    }
}

int ListBoxView::focusRow() const {
    if (model_.ListCount() == 0) {
        return -1;
    }
    return model_.HasRow(model_.ListIndex()) ? model_.ListIndex() : 0;
}

int ListBoxView::rowHeight() const {
    return std::max(1, fontMetrics().height());
}

int ListBoxView::topRow() const {
    return verticalScrollBar()->value();
}

int ListBoxView::fullyVisibleRowCount() const {
    return std::max(1, viewport()->height() / rowHeight());
}

QRect ListBoxView::visualRect(int row) const {
    return {0, (row - topRow()) * rowHeight(), viewport()->width(), rowHeight()};
}

int ListBoxView::rowAt(int y) const {
    if (y < 0) {
        return -1;
    }
    const int row = topRow() + y / rowHeight();
    return model_.HasRow(row) ? row : -1;
}

void ListBoxView::updateScrollRange() {
    // The list scrolls by whole rows, and the last row can be brought fully into view.
    const int visible = fullyVisibleRowCount();
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, model_.ListCount() - visible));
    bar->setPageStep(visible);
}

void ListBoxView::scrollIntoView(int row) {
    if (!model_.HasRow(row)) {
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    if (row < bar->value()) {
        bar->setValue(row);
    } else if (row >= bar->value() + fullyVisibleRowCount()) {
        bar->setValue(row - fullyVisibleRowCount() + 1);
    }
}

void ListBoxView::choose(int row) {
    if (model_.HasRow(row)) {
        emit rowChosen(row);
    }
}

void ListBoxView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QPalette& colours = palette();
    painter.fillRect(event->rect(), colours.color(QPalette::Base));

    const int selected = model_.ListIndex();
    // Each row's text stands on the baseline that vertical centring in the row gives, drawn
    // from that point: the same pixels as drawText into the row's rectangle, without laying the
    // text out as a paragraph for every row.
    const QFontMetricsF metrics(font());
    const qreal lineHeight = metrics.leading() + metrics.ascent() + metrics.descent();
    const qreal baseline = (rowHeight() - lineHeight) / 2 + metrics.leading() + metrics.ascent();
    const int last =
        std::min(model_.ListCount() - 1, topRow() + (viewport()->height() - 1) / rowHeight());
    for (int row = topRow(); row <= last; ++row) {
        const QRect area = visualRect(row);
        if (!area.intersects(event->rect())) {
            continue;
        }
        // The selection is shown alike in a focused list and in its linked neighbours, which
        // is what lets a selected row read across its group.
        if (row == selected) {
            painter.fillRect(area, colours.color(QPalette::Active, QPalette::Highlight));
            painter.setPen(colours.color(QPalette::Active, QPalette::HighlightedText));
        } else {
            painter.setPen(colours.color(QPalette::Text));
        }
        painter.drawText(QPointF(area.left() + kTextIndent, area.top() + baseline),
                         RowText(model_, row));
    }

    if (hasFocus()) {
        // The focus frame is where the keyboard acts; an empty list has it where its first row
        // would be.
        const QColor frame = selected >= 0
                                 ? colours.color(QPalette::Active, QPalette::HighlightedText)
                                 : colours.color(QPalette::Text);
        DrawFocusFrame(painter, visualRect(std::max(focusRow(), 0)), frame);
    }
}

void ListBoxView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // A press below the last row selects nothing and keeps the selection as it is.
    const int row = rowAt(event->position().toPoint().y());
    dragging_ = row >= 0;
    choose(row);
}

void ListBoxView::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void ListBoxView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton) || model_.ListCount() == 0) {
        return;
    }
    // Dragging moves the selection with the pointer; past the top or bottom edge it moves one
    // row a step, so the list scrolls along instead of jumping.
    const int y = event->position().toPoint().y();
    int row;
    if (y < 0) {
        row = topRow() - 1;
    } else if (y >= viewport()->height()) {
        row = topRow() + fullyVisibleRowCount();
    } else {
        row = rowAt(y) >= 0 ? rowAt(y) : model_.ListCount() - 1;
    }
    row = std::clamp(row, 0, model_.ListCount() - 1);
    if (row != model_.ListIndex()) {
        choose(row);
    }
}

void ListBoxView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
    }
}

int ListBoxView::navigationTarget(int key) const {
    const int last = model_.ListCount() - 1;
    // With no selection the list acts as if it stood just above its first row, so Down, Up and
    // Home select the first row and Page Down the last row of the first page.
    const int from = model_.ListIndex();
    const int page = fullyVisibleRowCount();
    int row;
    switch (key) {
        case Qt::Key_Up:
            row = from - 1;
            break;
        case Qt::Key_Down:
            row = from + 1;
            break;
        case Qt::Key_PageUp:
            row = from - page;
            break;
        case Qt::Key_PageDown:
            row = from + page;
            break;
        case Qt::Key_Home:
            row = 0;
            break;
        case Qt::Key_End:
            row = last;
            break;
        default:
            return -1;
    }
    return std::clamp(row, 0, last);
}

int ListBoxView::searchTarget(const QString& typed) {
    if (!searchClock_.isValid() || searchClock_.elapsed() > QApplication::keyboardInputInterval()) {
        search_.clear();
    }
    searchClock_.start();
    search_ += typed;

    // Typing one letter again and again steps through the rows that start with it; a longer
    // text is looked for from the selected row on, so that the row found so far can match.
    QString wanted = search_;
    bool fromNext = search_.size() == typed.size();
    if (search_.count(search_.front()) == search_.size()) {
        wanted = search_.left(1);
        fromNext = true;
    }
    const int count = model_.ListCount();
    const int start = std::max(0, model_.ListIndex() + (fromNext ? 1 : 0));
    for (int step = 0; step < count; ++step) {
        const int row = (start + step) % count;
        if (RowText(model_, row).startsWith(wanted, Qt::CaseInsensitive)) {
            return row;
        }
    }
    return -1;
}

void ListBoxView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        emit copyRequested();
        return;
    }
    if (model_.ListCount() > 0) {
        if (const int row = navigationTarget(event->key()); row >= 0) {
            if (row != model_.ListIndex()) {
                choose(row);
            } else {
                scrollIntoView(row);
            }
            return;
        }
    }
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const QString typed = event->text();
    if (!(event->modifiers() & commands) && !typed.isEmpty() && typed.front().isPrint() &&
        !typed.front().isSpace()) {
        if (model_.ListCount() > 0) {
            choose(searchTarget(typed));
        }
        return;
    }
    // Space, Ctrl+Space and every other key leave the selection alone: a user can move the
    // selection in this list but not take it away.
    event->ignore();
}

void ListBoxView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void ListBoxView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateScrollRange();
    }
}

void ListBoxView::scrollContentsBy(int /*dx*/, int /*dy*/) {
    viewport()->update();
}
