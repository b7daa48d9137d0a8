#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "logic/affine_key.h"

// Why affine-table stops short, in one line, whether the arguments or the texts they name are at
// fault; either ends the program with status 2. A usage error, arguments that cannot be
// followed, is followed by a pointer to --help.
struct Trouble final {
    std::string message;
    bool usage = false;
};

// What affine-table's arguments ask for. It reads the arguments only; the texts they name are
// read by whoever carries the request out.
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

// Throws a usage Trouble when the arguments cannot be followed.
Request ParseCommandLine(int argc, char** argv);
