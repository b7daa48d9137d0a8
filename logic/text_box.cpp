#include "logic/text_box.h"

#include <algorithm>

#include "logic/text_routines.h"

TextBox::TextBox(std::u16string text, std::size_t maxLength)
    : text_(std::move(text)), maxLength_(maxLength) {}

std::size_t TextBox::ReplaceRange(std::size_t from, std::size_t count,
                                  std::u16string_view inserted) {
    from = std::min(from, text_.size());
    std::size_t end = from + std::min(count, text_.size() - from);
    // A user's cursor and selection never stand between the two units of one character, so an
    // end of the range that does moves out to the edge of that character; a bare cursor there
    // stands before it.
    const bool cursorOnly = end == from;
    if (InsidePair(text_, from)) {
        --from;
    }
    if (cursorOnly) {
        end = from;
    } else if (InsidePair(text_, end)) {
        ++end;
    }
    count = end - from;
    const std::size_t remaining = text_.size() - count;
    std::size_t kept = inserted.size();
    if (maxLength_ != kNoLimit) {
        const std::size_t room = maxLength_ > remaining ? maxLength_ - remaining : 0;
        kept = FittingLength(inserted, room);
    }
    text_.replace(from, count, inserted.substr(0, kept));
    return kept;
}
