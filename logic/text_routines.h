#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The string and number routines that the cipher form's procedures are written against.
// Text is UTF-16 throughout: lengths and positions count 16-bit units.

// The code of "A": a capital Latin letter's number is its code less this, so "A" is 0 and "Z"
// is 25, and the letter of number n has the code kLetterA + n.
inline constexpr int kLetterA = 65;

// A whole number in plain decimal: a leading "-" for negatives, no blank, no plus sign.
std::u16string NumberText(int value);

// The one-character text whose character has the given code.
std::u16string LetterFromCode(int code);

// The code of the first character of a text, 0 for an empty text.
int CodeOfLetter(std::u16string_view text);

// The text with every code point mapped to its simple (one-to-one) upper-case form. The result
// always has the length of the input: a code point is never split, never expanded into several,
// and a lone surrogate unit stays as it is.
std::u16string UpperCase(std::u16string_view text);

// The code point that starts at `position`, which moves past it. A surrogate unit that is not
// part of a pair is returned as it is.
char32_t NextCodePoint(std::u16string_view text, std::size_t& position);

// Appends one code point, as one unit or as a surrogate pair; a surrogate code point is appended
// as the lone unit it is.
void AppendCodePoint(std::u16string& text, char32_t codePoint);

// Whether `position` stands between the two units of one character.
bool InsidePair(std::u16string_view text, std::size_t position);

// The longest prefix of `text` of at most `room` units that does not end between the two units
// of one character.
std::size_t FittingLength(std::u16string_view text, std::size_t room);
