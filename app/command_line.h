#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "logic/affine_key.h"

// What affine-table's arguments ask for, or the one-line reason they cannot be followed. It reads
// the arguments only; the texts they name are read by whoever carries the request out.
enum class Mode {
    Form,      // no key: the form's table, or the form's encryption of the text
    KeyTable,  // a key and no text
    Encipher,
    Decipher,
    Break,
    Solve,
    Help,
    Version,
};

struct Operand final {
    std::string_view text;
    int argument = 0;  // its place on the command line, 1 for the first argument
    bool IsStandardInput() const { return text == "-"; }
};

struct Request final {
    Mode mode = Mode::Form;
    std::optional<AffineKey> key;  // --key; enciphering and deciphering use 5, 8 without it
    int top = 5;                   // --top
    std::vector<Operand> operands;
};

struct ParsedCommandLine final {
    Request request;
    std::string problem;  // empty when the request can be carried out
};

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv);
