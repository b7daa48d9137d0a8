// The page's start: the view takes over the controls the first markup put in place, listens to
// the gestures on them and says so on the document.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <optional>
#include <string>

#include "web/page_view.h"

using emscripten::val;

namespace {

std::optional<PageView> view;

void OnClick(val event) {
    view->Click(event);
}
void OnPointerDown(val event) {
    view->PointerDown(event);
}
void OnPointerMove(val event) {
    view->PointerMove(event);
}
void OnPointerUp(val event) {
    view->PointerUp(event);
}
void OnKeyDown(val event) {
    view->KeyDown(event);
}
void OnFocusIn(val event) {
    view->FocusIn(event);
}
void OnFocusOut(val event) {
    view->FocusOut(event);
}
void OnShowActiveRow(std::string listId) {
    view->ShowActiveRow(listId);
}
void OnCopy(val event) {
    view->Copy(event);
}
void OnBeforeInput(val event) {
    view->BeforeInput(event);
}
void OnInput(val event) {
    view->Input(event);
}

void Listen(const val& target, const char* type, const char* handler) {
    target.call<void>("addEventListener", std::string(type), val::module_property(handler));
}

}  // namespace

EMSCRIPTEN_BINDINGS(page_events) {
    emscripten::function("onClick", &OnClick);
    emscripten::function("onPointerDown", &OnPointerDown);
    emscripten::function("onPointerMove", &OnPointerMove);
    emscripten::function("onPointerUp", &OnPointerUp);
    emscripten::function("onKeyDown", &OnKeyDown);
    emscripten::function("onFocusIn", &OnFocusIn);
    emscripten::function("onFocusOut", &OnFocusOut);
    emscripten::function("onCopy", &OnCopy);
    emscripten::function("onShowActiveRow", &OnShowActiveRow);
    emscripten::function("onBeforeInput", &OnBeforeInput);
    emscripten::function("onInput", &OnInput);
}

int main() {
    view.emplace();
    const val document = val::global("document");
    // One listener of each kind for the whole form; each gesture is sent on by its target.
    const val form = document.call<val>("getElementById", std::string("MainForm"));
    Listen(form, "click", "onClick");
    Listen(form, "pointerdown", "onPointerDown");
    Listen(form, "pointermove", "onPointerMove");
    Listen(document, "pointerup", "onPointerUp");
    Listen(form, "keydown", "onKeyDown");
    Listen(form, "focusin", "onFocusIn");
    Listen(form, "focusout", "onFocusOut");
    Listen(form, "beforeinput", "onBeforeInput");
    Listen(form, "input", "onInput");
    Listen(form, "compositionend", "onInput");
    // A copy with nothing selected goes to the document, not to the focused list.
    Listen(document, "copy", "onCopy");
    document["documentElement"]["dataset"].set("ready", std::string("1"));
    return 0;
}
