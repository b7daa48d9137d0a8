#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"

// The texts that the operands stand for: an argument itself, or all of standard input for "-",
// checked to be UTF-8. Says what went wrong in one line when they cannot be had.
struct InputProblem final {
    std::string message;
    int exitStatus = 2;
};

// The letters A to Z of the operands, one after another, as the cipher works on them.
std::optional<std::string> CipherLettersOf(const std::vector<Operand>& operands,
                                           InputProblem& problem);

// The operands joined by one blank, as the form's input line takes the text.
std::optional<std::u16string> FormTextOf(const std::vector<Operand>& operands,
                                         InputProblem& problem);
