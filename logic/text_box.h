#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The model of one text control: its text and the most 16-bit units a user may put into it.
// The program's own writes replace the whole text; only the user's edits are held to the limit.
class TextBox final {
  public:
    static constexpr std::size_t kNoLimit = 0;

    explicit TextBox(std::u16string text = {}, std::size_t maxLength = kNoLimit);

    const std::u16string& Text() const { return text_; }
    void SetText(std::u16string text) { text_ = std::move(text); }
    std::size_t MaxLength() const { return maxLength_; }

    // A user's edit: replaces `count` units from `from` with as much of `inserted` as fits the
    // limit, never splitting a character made of two units. The range is clamped to the text,
    // and an end of it that falls inside a surrogate pair is moved out to take the whole pair.
    // Returns how many units of `inserted` were kept.
    std::size_t ReplaceRange(std::size_t from, std::size_t count, std::u16string_view inserted);

  private:
    std::u16string text_;
    std::size_t maxLength_;
};
