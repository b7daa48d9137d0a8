#include "web/js_text.h"

#include <algorithm>
#include <cstdint>

using emscripten::val;

val JsString(std::u16string_view text) {
    static const val fromCharCode = val::global("String")["fromCharCode"];
    // The units straight from the form's memory, as the arguments of String.fromCharCode.
    const auto* units = reinterpret_cast<const std::uint16_t*>(text.data());
    return fromCharCode.call<val>("apply", val::null(),
                                  val(emscripten::typed_memory_view(text.size(), units)));
}

std::u16string FromJsString(const val& text, std::size_t most) {
    const auto length = std::min(text["length"].as<std::size_t>(), most);
    std::u16string units(length, u'\0');
    for (std::size_t k = 0; k < length; ++k) {
        units[k] = static_cast<char16_t>(text.call<int>("charCodeAt", k));
    }
    return units;
}
