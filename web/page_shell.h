#pragma once

#include <string>
#include <string_view>

#include "logic/main_form.h"

// The whole page as it first paints, for emscripten's --shell-file: its head (language, title,
// icon, style) and every shown control of the form, in place and filled with what `form` holds,
// with the description each control is read with. "{{{ SCRIPT }}}" marks where the view's
// script goes. `iconBase64` is the window icon's PNG in base64.
std::string PageShell(const MainForm& form, std::string_view iconBase64);
