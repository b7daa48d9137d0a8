#pragma once

#include <cstddef>
#include <string_view>

// One edit of a text: `replaced` units from `from` gave way to `inserted`.
struct TextEdit final {
    std::size_t from = 0;
    std::size_t replaced = 0;
    std::u16string_view inserted;  // a part of the text after the edit
};

// The edit that turned `before` into `after`, as a line edit leaves it: its cursor at `cursor`
// in `after`, just after what it inserted, and the edit begun no later than `editStart` (where
// the cursor or the selection stood before it; unknown is the end of the text). The text after
// the cursor is the kept tail; what comes before the insertion is the common beginning up to
// there. Where the inserted text begins like the text it replaces, the common beginning alone
// would run into the edit, keep half of a character or take a unit the user had selected for
// old text. A range that would begin or end between the two units of a character takes the
// whole character, and so does the inserted text: an undo can bring back a text that differs
// from the present one in one half of a character.
TextEdit EditBetween(std::u16string_view before, std::u16string_view after, std::size_t cursor,
                     std::size_t editStart = std::u16string_view::npos);
