#pragma once

#include <string>
#include <vector>

#include "app/command_line.h"

// The texts that the operands stand for: an argument itself, or all of standard input for "-",
// checked to be UTF-8. Throws a Trouble when they cannot be had.

// The letters A to Z of the operands, one after another, as the cipher works on them.
std::string CipherLettersOf(const std::vector<Operand>& operands);

// The operands joined by one blank, as the form's input line takes the text.
std::u16string FormTextOf(const std::vector<Operand>& operands);
