#include "web/list_element.h"

#include <algorithm>
#include <cstdlib>

#include "logic/text_routines.h"
#include "web/js_text.h"
#include "web/list_geometry.h"
#include "web/list_markup.h"

using emscripten::val;

namespace {

// How long after one typed character the next one still adds to the text looked for, in
// milliseconds: the desktop's keyboard input interval.
constexpr double kSearchInterval = 400;

}  // namespace

ListElement::ListElement(const ControlLayout& layout, const ListBox& model)
    : layout_(layout),
      model_(model),
      id_(ControlName(layout.ref())),
      element_(val::global("document").call<val>("getElementById", id_)),
      shownSelection_(model.ListIndex()) {}

val ListElement::Row(int row) const {
    return element_["children"][row];
}

void ListElement::ShowRows() {
    element_.set("innerHTML", RowsMarkup(id_, model_));
    element_.set("scrollTop", 0);
    shownSelection_ = ListBox::kNoSelection;
    namedRow_ = ListBox::kNoSelection;
    describedRow_ = ListBox::kNoSelection;
    ShowSelection(false);
    // Whatever the list's active row was went with the old rows.
    ShowActiveRow();
}

void ListElement::ShowSelection(bool described, bool activeLater) {
    const int selected = model_.ListIndex();
    if (selected == shownSelection_) {
        return;
    }
    if (namedRow_ != selected) {
        Unname();
    }
    if (model_.HasRow(describedRow_)) {
        Row(describedRow_).call<void>("removeAttribute", std::string("aria-describedby"));
    }
    describedRow_ = ListBox::kNoSelection;
    const bool hadSelection = model_.HasRow(shownSelection_);
    if (hadSelection) {
        Row(shownSelection_).call<void>("removeAttribute", std::string("aria-selected"));
    }
    if (model_.HasRow(selected)) {
        if (described) {
            DescribeSelected();
        }
        Row(selected).call<void>("setAttribute", std::string("aria-selected"), std::string("true"));
        ScrollIntoView(selected);
    }
    shownSelection_ = selected;
    // A list's first active row goes with its selection: were it late, Firefox would tell of
    // the row before its name, and Orca would read the bare cell.
    if (activeLater && hadSelection && model_.HasRow(selected)) {
        // Handed back to the view by the list's id, so the row is the one selected by then.
        val::global("setTimeout")(val::module_property("onShowActiveRow"), 0, id_);
    } else {
        ShowActiveRow();
    }
}

void ListElement::ShowActiveRow() {
    const int selected = model_.ListIndex();
    if (model_.HasRow(selected)) {
        element_.call<void>("setAttribute", std::string("aria-activedescendant"),
                            RowId(id_, selected));
    } else {
        element_.call<void>("removeAttribute", std::string("aria-activedescendant"));
    }
}

void ListElement::DescribeSelected() {
    const int selected = model_.ListIndex();
    if (model_.HasRow(selected) && describedRow_ != selected) {
        Row(selected).call<void>("setAttribute", std::string("aria-describedby"),
                                 DescriptionId(id_));
        describedRow_ = selected;
    }
}

void ListElement::NameSelected(const std::u16string& words) {
    const int selected = model_.ListIndex();
    if (namedRow_ != selected) {
        Unname();
    }
    if (model_.HasRow(selected) && !words.empty()) {
        Row(selected).call<void>("setAttribute", std::string("aria-label"), JsString(words));
        namedRow_ = selected;
    }
}

void ListElement::Unname() {
    if (model_.HasRow(namedRow_)) {
        Row(namedRow_).call<void>("removeAttribute", std::string("aria-label"));
    }
    namedRow_ = ListBox::kNoSelection;
}

void ListElement::ScrollIntoView(int row) {
    // As the desktop's list, by whole rows: the row comes to the top when it was above the rows
    // shown, and to the last place shown whole when it was below them. Rows stand at fixed
    // heights, so where a row is needs no layout.
    const int shown = WholeRowsShown(layout_);
    const int top = element_["scrollTop"].as<int>() / kRowHeightPx;
    if (row < top) {
        element_.set("scrollTop", row * kRowHeightPx);
    } else if (row >= top + shown) {
        element_.set("scrollTop", (row - shown + 1) * kRowHeightPx);
    }
}

int ListElement::RowOf(const val& option) const {
    if (!option.instanceof (val::global("Element"))) {
        return -1;
    }
    const val row = option.call<val>("closest", std::string("[role=option]"));
    if (row.isNull() || !row["parentNode"].strictlyEquals(element_)) {
        return -1;
    }
    const std::string rowId = row["id"].as<std::string>();
    const int number = std::atoi(rowId.c_str() + id_.size() + 5);  // after "_row_"
    return model_.HasRow(number) ? number : -1;
}

int ListElement::RowForKey(const val& event) {
    if (model_.ListCount() == 0 || event["altKey"].as<bool>() || event["metaKey"].as<bool>()) {
        return -1;
    }
    const std::string key = event["key"].as<std::string>();
    const int last = model_.ListCount() - 1;
    // With no selection the list acts as if it stood just above its first row, so Down, Up and
    // Home select the first row and Page Down the last row of the first page.
    const int from = model_.ListIndex();
    int row;
    if (key == "ArrowUp") {
        row = from - 1;
    } else if (key == "ArrowDown") {
        row = from + 1;
    } else if (key == "PageUp") {
        row = from - WholeRowsShown(layout_);
    } else if (key == "PageDown") {
        row = from + WholeRowsShown(layout_);
    } else if (key == "Home") {
        row = 0;
    } else if (key == "End") {
        row = last;
    } else {
        // A character key: its text is one character, one or two units; names of other keys
        // are longer. Space and Ctrl with a key are not typing.
        const std::u16string typed = FromJsString(event["key"]);
        std::size_t position = 0;
        if (typed.empty() || event["ctrlKey"].as<bool>() || typed == u" ") {
            return -1;
        }
        NextCodePoint(typed, position);
        if (position != typed.size()) {
            return -1;
        }
        return SearchTarget(typed, event["timeStamp"].as<double>());
    }
    return std::clamp(row, 0, last);
}

int ListElement::SearchTarget(const std::u16string& typed, double time) {
    if (time - lastTyped_ > kSearchInterval) {
        search_.clear();
    }
    lastTyped_ = time;
    search_ += typed;
    // Typing one character again and again steps through the rows that start with it; a longer
    // text is looked for from the selected row on, so that the row found so far can match.
    std::u16string wanted = UpperCase(search_);
    bool fromNext = search_.size() == typed.size();
    if (std::all_of(search_.begin(), search_.end(),
                    [this](char16_t unit) { return unit == search_.front(); })) {
        wanted = UpperCase(typed);
        fromNext = true;
    }
    const int count = model_.ListCount();
    const int start = std::max(0, model_.ListIndex() + (fromNext ? 1 : 0));
    for (int step = 0; step < count; ++step) {
        const int row = (start + step) % count;
        if (UpperCase(model_.List(row)).starts_with(wanted)) {
            return row;
        }
    }
    return -1;
}
