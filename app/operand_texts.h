#pragma once

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"

// The texts that the operands stand for: an argument itself, or all of standard input for "-",
// checked to be UTF-8. Standard input is read in blocks and never held whole. Throws a Trouble
// when a text cannot be had, std::bad_alloc when its letters do not fit in memory.

// Letters A to Z in one block that grows in place: glibc's realloc moves a large block by
// remapping its pages rather than copying them, so the letters of a text take little more memory
// than their own number of bytes, where a doubling string would take twice that while it grows.
class Letters final {
  public:
    void Append(std::string_view more);
    std::size_t size() const { return size_; }
    operator std::string_view() const { return {data_.get(), size_}; }

  private:
    struct Free final {
        void operator()(char* data) const { std::free(data); }
    };
    std::unique_ptr<char, Free> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// The letters A to Z of the operands, one after another, as the cipher works on them.
Letters CipherLettersOf(const std::vector<Operand>& operands);

// The operands joined by one blank, as the form's input line takes the text, but only so far as
// a line of `units` UTF-16 units can tell: its first units + 1, which say whether the line cuts the
// text and whether it would cut a character in two. The rest is only checked.
std::u16string FormTextOf(const std::vector<Operand>& operands, std::size_t units);
