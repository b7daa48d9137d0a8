#pragma once

#include <emscripten/val.h>

#include <memory>
#include <string_view>
#include <vector>

#include "logic/main_form.h"
#include "web/input_line.h"
#include "web/list_element.h"

// The page's view of the form: it holds the form, hands every gesture on the page's controls to
// the form's handlers and then shows what the form holds, as the desktop window does. The
// controls are already on the page, filled as a freshly loaded form fills them.
class PageView final {
  public:
    PageView();

    // The gestures, as the page's events deliver them.
    void Click(const emscripten::val& event);
    void PointerDown(const emscripten::val& event);
    void PointerMove(const emscripten::val& event);
    void PointerUp(const emscripten::val& event);
    void KeyDown(const emscripten::val& event);
    void FocusIn(const emscripten::val& event);
    void FocusOut(const emscripten::val& event);
    void Copy(const emscripten::val& event);
    void BeforeInput(const emscripten::val& event);
    // Later than the selection it follows: the list's active row.
    void ShowActiveRow(const std::string& listId);
    void Input(const emscripten::val& event);

  private:
    void ChooseRow(ListElement& list, int row);
    void ClickButton(ControlIndex index);
    // Shows the group's rows or selections; `worked` is the list the user chose a row in.
    void ShowGroup(MainForm::ListGroup group, bool rowsReplaced,
                   const ListElement* worked = nullptr);
    void Announce(std::u16string_view words);
    std::u16string ReadAcrossOf(const ListElement& list) const;
    ListElement* ListAt(const emscripten::val& target);

    MainForm form_;
    std::vector<std::unique_ptr<ListElement>> lists_;
    std::unique_ptr<InputLine> input_;
    emscripten::val announcement_;
    std::string lastPointer_;
    // The ids of the first and the last control of the focus order, between which Tab goes
    // round.
    std::string firstFocus_;
    std::string lastFocus_;
    // Each announcement differs from the one before it, even in the same words, by a no-break
    // space at the end of every other one: a screen reader drops a live region's text that
    // equals the text before.
    bool markAnnouncement_ = false;
    ListElement* dragged_ = nullptr;
};
