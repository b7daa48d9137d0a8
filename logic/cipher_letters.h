#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The letters of a UTF-8 text that the cipher works on, chosen as the form's encryption chooses
// them: each character upper-cased by its simple Unicode mapping, then only A to Z kept. One
// pass over the bytes, so a text of any length costs time and memory in proportion to it.
struct CipherLetters final {
    std::string letters;  // capital A to Z only
    bool valid = true;
    std::size_t errorOffset = 0;  // the byte where the first ill-formed sequence starts
};

// Appends the letters of `utf8` to `into.letters`; on ill-formed UTF-8 it stops there and sets
// `valid` to false and `errorOffset`.
void AppendCipherLetters(std::string_view utf8, CipherLetters& into);
