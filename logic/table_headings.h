#pragma once

#include <array>
#include <string_view>

// The headings shown above the reference-table lists and the result lists, in column order.
inline constexpr std::array<std::u16string_view, 7> kTableHeadings = {
    u"Номер", u"Буква", u"5x+8", u"mod 26", u"Шифър", u"21(y-8)", u"mod 26",
};

inline constexpr std::array<std::u16string_view, 4> kResultHeadings = {
    u"входен текст",
    u"код - шифър",
    u"изх. текст",
    u"Номер",
};
