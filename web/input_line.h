#pragma once

#include <emscripten/val.h>

#include <cstddef>
#include <functional>
#include <string>

#include "logic/text_box.h"

// The input line of the page, whose text is the form's text box's: every edit the user makes
// goes through the text box's rule (at most its limit of units, never half of a pair), and the
// element then shows what the text box holds. `limitReached` runs when the rule cut an edit.
class InputLine final {
  public:
    InputLine(emscripten::val element, TextBox& model, std::function<void()> limitReached);

    // The text box was written by the form: the element shows its text.
    void ShowText();

    // An edit about to happen. One that inserts a known text is made here, through the rule;
    // the others (deleting, undo and redo, a text being composed) the browser makes.
    void BeforeInput(const emscripten::val& event);
    // An edit the browser made: the text box takes it through the rule.
    void AfterInput(const emscripten::val& event);

  private:
    // The text box takes the element's text, as the edit that made it from the text box's
    // text, through the rule.
    void TakeShownText();
    // Puts the text box's text into the element by the smallest edit, kept in the browser's
    // undo history where the browser can, the cursor after what was inserted.
    void ShowEdit(const std::u16string& before, std::size_t editStart);
    std::u16string ElementText() const;

    emscripten::val element_;
    TextBox& model_;
    std::function<void()> limitReached_;
    bool showing_ = false;
};
