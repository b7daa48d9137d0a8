#include "web/page_view.h"

#include <string>

#include "form/control_layout.h"
#include "form/list_group.h"
#include "form/spoken_words.h"
#include "web/focus_order.h"
#include "web/js_text.h"

using emscripten::val;

namespace {

val ElementById(const std::string& id) {
    return val::global("document").call<val>("getElementById", id);
}

}  // namespace

PageView::PageView()
    : announcement_(ElementById("announcement")),
      firstFocus_(ControlName(kFirstInFocusOrder->ref())),
      lastFocus_(ControlName(kLastInFocusOrder->ref())) {
    // The same form the page's first markup was written from: created, then loaded.
    form_.Form_Load();
    for (const ControlLayout& control : kControlLayout) {
        if (!control.visible) {
            continue;
        }
        if (control.kind == ControlKind::List) {
            lists_.push_back(std::make_unique<ListElement>(
                control, form_.List(ListGroupOf(control), control.index)));
        } else if (control.kind == ControlKind::InputLine) {
            input_ = std::make_unique<InputLine>(ElementById(ControlName(control.ref())),
                                                 form_.Text2(control.index),
                                                 [this] { Announce(kLimitReached); });
        }
    }
}

ListElement* PageView::ListAt(const val& target) {
    if (!target.instanceof (val::global("Element"))) {
        return nullptr;
    }
    const val list = target.call<val>("closest", std::string("[role=listbox]"));
    if (list.isNull()) {
        return nullptr;
    }
    const std::string id = list["id"].as<std::string>();
    for (const auto& element : lists_) {
        if (element->Id() == id) {
            return element.get();
        }
    }
    return nullptr;
}

void PageView::PointerDown(const val& event) {
    lastPointer_ = event["pointerType"].as<std::string>();
    // A mouse selects as its button goes down; a finger or a pen when it lifts without having
    // scrolled the list, which is a click.
    if (lastPointer_ != "mouse" || event["button"].as<int>() != 0) {
        return;
    }
    if (ListElement* list = ListAt(event["target"])) {
        const int row = list->RowOf(event["target"]);
        // A press below the last row selects nothing and starts no drag.
        dragged_ = row >= 0 ? list : nullptr;
        ChooseRow(*list, row);
    }
}

void PageView::PointerMove(const val& event) {
    // Dragging with the button down moves the selection with the pointer over the list's rows.
    if (dragged_ == nullptr || (event["buttons"].as<int>() & 1) == 0) {
        dragged_ = nullptr;
        return;
    }
    const int row = dragged_->RowOf(event["target"]);
    if (row >= 0 &&
        row != form_.List(ListGroupOf(dragged_->Layout()), dragged_->Layout().index).ListIndex()) {
        ChooseRow(*dragged_, row);
    }
}

void PageView::PointerUp(const val& /*event*/) {
    dragged_ = nullptr;
}

void PageView::Click(const val& event) {
    const val target = event["target"];
    if (ListElement* list = ListAt(target)) {
        if (lastPointer_ != "mouse") {
            ChooseRow(*list, list->RowOf(target));
        }
        return;
    }
    if (!target.instanceof (val::global("Element"))) {
        return;
    }
    const val button = target.call<val>("closest", std::string("button"));
    if (button.isNull()) {
        return;
    }
    const std::string id = button["id"].as<std::string>();
    for (const ControlLayout& control : kControlLayout) {
        if (control.kind == ControlKind::Button && ControlName(control.ref()) == id) {
            ClickButton(control.index);
        }
    }
}

void PageView::KeyDown(const val& event) {
    const std::string key = event["key"].as<std::string>();
    if (key == "Tab" && !event["ctrlKey"].as<bool>() && !event["altKey"].as<bool>() &&
        !event["metaKey"].as<bool>()) {
        // Tab goes round the form, as in the desktop window, rather than on into the browser's
        // own controls.
        const bool back = event["shiftKey"].as<bool>();
        const std::string from = event["target"]["id"].as<std::string>();
        if (from == (back ? firstFocus_ : lastFocus_)) {
            event.call<void>("preventDefault");
            ElementById(back ? lastFocus_ : firstFocus_).call<void>("focus");
        }
        return;
    }
    ListElement* list = ListAt(event["target"]);
    if (list == nullptr) {
        return;
    }
    // Space leaves the selection alone and does not scroll the list either.
    if (key == " ") {
        event.call<void>("preventDefault");
        return;
    }
    const int row = list->RowForKey(event);
    if (row >= 0) {
        event.call<void>("preventDefault");
        ChooseRow(*list, row);
    }
}

void PageView::FocusIn(const val& event) {
    // The list that takes the focus reads its selected row across its group.
    if (ListElement* list = ListAt(event["target"])) {
        list->NameSelected(ReadAcrossOf(*list));
    }
}

void PageView::FocusOut(const val& event) {
    if (ListElement* list = ListAt(event["target"])) {
        list->Unname();
        list->DescribeSelected();
    }
}

void PageView::ShowActiveRow(const std::string& listId) {
    for (const auto& list : lists_) {
        if (list->Id() == listId) {
            list->ShowActiveRow();
        }
    }
}

void PageView::Copy(const val& event) {
    // Ctrl+C in a list copies its selected row across its group, one cell a column, separated
    // by tabs: a row of a spreadsheet.
    ListElement* list = ListAt(val::global("document")["activeElement"]);
    if (list == nullptr) {
        return;
    }
    const MainForm::ListGroup group = ListGroupOf(list->Layout());
    const int row = form_.List(group, list->Layout().index).ListIndex();
    if (row < 0) {
        return;
    }
    std::u16string cells;
    std::u16string_view separator;
    for (const auto& element : lists_) {
        if (ListGroupOf(element->Layout()) == group) {
            cells += separator;
            cells += form_.List(group, element->Layout().index).List(row);
            separator = u"\t";
        }
    }
    event["clipboardData"].call<void>("setData", std::string("text/plain"), JsString(cells));
    event.call<void>("preventDefault");
}

void PageView::BeforeInput(const val& event) {
    input_->BeforeInput(event);
}

void PageView::Input(const val& event) {
    input_->AfterInput(event);
}

void PageView::ChooseRow(ListElement& list, int row) {
    if (row < 0) {
        return;
    }
    const MainForm::ListGroup group = ListGroupOf(list.Layout());
    form_.UserSelectsRow(group, list.Layout().index, row);
    // The chosen row is named with its read-across before it is shown selected, so a screen
    // reader reads it so, once, from the list the user works in; the linked lists only show it.
    list.NameSelected(ReadAcrossOf(list));
    ShowGroup(group, false, &list);
}

std::u16string PageView::ReadAcrossOf(const ListElement& list) const {
    const MainForm::ListGroup group = ListGroupOf(list.Layout());
    return ReadAcross(
        list.Layout().ref(), form_.List(group, list.Layout().index).ListIndex(),
        [this, group](ControlIndex k) -> const ListBox& { return form_.List(group, k); });
}

void PageView::ClickButton(ControlIndex index) {
    form_.Command1_Click(index);
    // Both buttons replace the result rows; the table keeps its rows but may lose its selection.
    ShowGroup(MainForm::ListGroup::Results, true);
    ShowGroup(MainForm::ListGroup::Table, false);
    input_->ShowText();
    Announce(ButtonOutcome(form_, index));
}

void PageView::ShowGroup(MainForm::ListGroup group, bool rowsReplaced, const ListElement* worked) {
    for (const auto& list : lists_) {
        if (ListGroupOf(list->Layout()) != group) {
            continue;
        }
        if (rowsReplaced) {
            list->ShowRows();
        } else {
            const bool isWorked = list.get() == worked;
            list->ShowSelection(!isWorked, isWorked);
        }
    }
}

void PageView::Announce(std::u16string_view words) {
    std::u16string text(words);
    if (markAnnouncement_) {
        text += u'\u00A0';
    }
    markAnnouncement_ = !markAnnouncement_;
    announcement_.set("textContent", JsString(text));
}
