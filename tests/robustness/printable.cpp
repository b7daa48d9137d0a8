#include "tests/robustness/printable.h"

#include <cstdio>

std::string Printable(std::u16string_view text) {
    std::string out = "u\"";
    for (const char16_t unit : text) {
        if (unit >= 0x20 && unit < 0x7F && unit != u'"' && unit != u'\\') {
            out += static_cast<char>(unit);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%04X", static_cast<unsigned>(unit));
            out += escape;
        }
    }
    return out + "\"";
}
