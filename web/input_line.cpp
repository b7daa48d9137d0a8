#include "web/input_line.h"

#include <algorithm>
#include <utility>

#include "logic/text_edit.h"
#include "logic/text_routines.h"
#include "web/js_text.h"

using emscripten::val;

namespace {

bool InsertsKnownText(const std::string& type) {
    return type == "insertText" || type == "insertReplacementText" || type == "insertFromPaste" ||
           type == "insertFromDrop" || type == "insertFromYank" ||
           type == "insertFromPasteAsQuotation";
}

// A single-line text field holds no line breaks: as the browsers paste into one, each becomes a
// blank.
std::u16string OnOneLine(std::u16string_view text) {
    std::u16string line;
    line.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == u'\r' || text[k] == u'\n') {
            line += u' ';
            k += text[k] == u'\r' && k + 1 < text.size() && text[k + 1] == u'\n' ? 1 : 0;
        } else {
            line += text[k];
        }
    }
    return line;
}

std::size_t Position(const val& element, const char* which) {
    return element[which].as<std::size_t>();
}

}  // namespace

InputLine::InputLine(val element, TextBox& model, std::function<void()> limitReached)
    : element_(std::move(element)), model_(model), limitReached_(std::move(limitReached)) {
    // What was typed into the line before the view started is kept, through the rule.
    TakeShownText();
}

std::u16string InputLine::ElementText() const {
    return FromJsString(element_["value"]);
}

void InputLine::ShowText() {
    if (ElementText() != model_.Text()) {
        element_.set("value", JsString(model_.Text()));
    }
}

void InputLine::BeforeInput(const val& event) {
    if (showing_) {
        return;
    }
    const std::string type = event["inputType"].as<std::string>();
    if (type == "insertLineBreak" || type == "insertParagraph") {
        event.call<void>("preventDefault");
        return;
    }
    if (!InsertsKnownText(type)) {
        return;
    }
    val text = event["data"];
    const val transfer = event["dataTransfer"];
    if (!text.isString() && !transfer.isNull() && !transfer.isUndefined()) {
        text = transfer.call<val>("getData", std::string("text/plain"));
    }
    if (!text.isString()) {
        return;
    }
    event.call<void>("preventDefault");
    // The rule keeps at most the limit, so a longer text is read no further than enough to
    // know it is longer, line breaks and all.
    const std::size_t limit = model_.MaxLength();
    const std::size_t most = limit == TextBox::kNoLimit ? std::u16string::npos : 2 * (limit + 1);
    const std::u16string inserted = OnOneLine(FromJsString(text, most));
    const std::size_t from = Position(element_, "selectionStart");
    const std::size_t to = std::max(from, Position(element_, "selectionEnd"));
    const std::u16string before = model_.Text();
    const std::size_t kept = model_.ReplaceRange(from, to - from, inserted);
    ShowEdit(before, from);
    if (kept < inserted.size()) {
        limitReached_();
    }
}

void InputLine::AfterInput(const val& event) {
    if (showing_ || event["isComposing"].isTrue()) {
        return;
    }
    TakeShownText();
}

void InputLine::TakeShownText() {
    const std::u16string shown = ElementText();
    const std::u16string before = model_.Text();
    if (shown == before) {
        return;
    }
    const auto edit = EditBetween(before, shown, Position(element_, "selectionEnd"));
    const std::size_t kept = model_.ReplaceRange(edit.from, edit.replaced, edit.inserted);
    if (model_.Text() != shown) {
        ShowEdit(shown, edit.from);
    }
    if (kept < edit.inserted.size()) {
        limitReached_();
    }
}

void InputLine::ShowEdit(const std::u16string& shown, std::size_t editStart) {
    const std::u16string& text = model_.Text();
    // The smallest edit that turns what is shown into the text box's text, beginning no later
    // than where the user's edit began.
    std::size_t start = std::min(editStart, shown.size());
    start -= InsidePair(shown, start) ? 1u : 0u;
    std::size_t from = 0;
    while (from < start && from < text.size() && shown[from] == text[from]) {
        ++from;
    }
    std::size_t tail = 0;
    while (tail < shown.size() - from && tail < text.size() - from &&
           shown[shown.size() - 1 - tail] == text[text.size() - 1 - tail]) {
        ++tail;
    }
    const std::u16string_view inserted =
        std::u16string_view(text).substr(from, text.size() - from - tail);
    const std::size_t replacedEnd = shown.size() - tail;
    if (inserted.empty() && replacedEnd == from) {
        return;
    }
    // The browser's own editing command keeps the edit in its undo history; should it not be
    // there, the text is set.
    showing_ = true;
    element_.call<void>("setSelectionRange", from, replacedEnd);
    val::global("document")
        .call<bool>("execCommand", std::string(inserted.empty() ? "delete" : "insertText"), false,
                    JsString(inserted));
    showing_ = false;
    if (ElementText() != text) {
        element_.set("value", JsString(text));
    }
    const std::size_t cursor = from + inserted.size();
    element_.call<void>("setSelectionRange", cursor, cursor);
}
