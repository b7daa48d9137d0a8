#include "app/command_line.h"

#include <getopt.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

Trouble Usage(std::string message) {
    return {std::move(message), true};
}

// An argument in quotes, fit to be shown on a terminal: bytes that are not UTF-8 and characters
// that are not shown but act (controls, bidirectional and other format characters, line
// separators) are written as escapes, so an argument can neither add a line to a message nor
// reach the terminal as a command. A backslash is doubled, so that an escape is always one.
std::string Quoted(std::string_view text) {
    std::string quoted = "'";
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int64_t>(text.size());
    for (std::int64_t offset = 0; offset < length;) {
        const std::int64_t start = offset;
        UChar32 c;
        U8_NEXT(bytes, offset, length, c);
        const int type = c < 0 ? -1 : u_charType(c);
        std::array<char, 16> escape{};
        if (c == '\\' || c == '\n' || c == '\t') {
            quoted += c == '\\' ? "\\\\" : c == '\n' ? "\\n" : "\\t";
        } else if (c < 0 || (c < 0x80 && type == U_CONTROL_CHAR)) {
            for (std::int64_t i = start; i < offset; ++i) {
                std::snprintf(escape.data(), escape.size(), "\\x%02x", bytes[i]);
                quoted += escape.data();
            }
        } else if (type == U_CONTROL_CHAR || type == U_FORMAT_CHAR || type == U_LINE_SEPARATOR ||
                   type == U_PARAGRAPH_SEPARATOR) {
            std::snprintf(escape.data(), escape.size(), "\\u%04X", static_cast<unsigned>(c));
            quoted += escape.data();
        } else {
            quoted.append(text.substr(static_cast<std::size_t>(start),
                                      static_cast<std::size_t>(offset - start)));
        }
    }
    return quoted + '\'';
}

// The whole of `text` as a decimal number, which may have a sign. A number too large for an int
// is still a number, only out of every range.
bool WholeNumber(std::string_view text, int& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || stop != end || error == std::errc::invalid_argument) {
        return false;
    }
    if (error == std::errc::result_out_of_range) {
        value = text.front() == '-' ? -1000 : 1000;
    }
    return true;
}

AffineKey ParseKey(std::string_view text) {
    const std::size_t comma = text.find(',');
    int factor = 0;
    int shift = 0;
    const std::string quoted = Quoted(text);
    if (comma == std::string_view::npos || !WholeNumber(text.substr(0, comma), factor) ||
        !WholeNumber(text.substr(comma + 1), shift)) {
        throw Usage("malformed key " + quoted + ": give it as A,B, two whole numbers such as 5,8");
    }
    if (factor < 1 || factor >= AffineKey::kLetterCount) {
        throw Usage("key " + quoted + ": A must be 1 to 25");
    }
    if (!AffineKey::IsFactor(factor)) {
        throw Usage("key " + quoted +
                    ": A must be coprime to 26, one of 1 3 5 7 9 11 15 17 19 21 23 25");
    }
    const std::optional<AffineKey> key = AffineKey::Make(factor, shift);
    if (!key) {
        throw Usage("key " + quoted + ": B must be 0 to 25");
    }
    return *key;
}

int ParseTop(std::string_view text) {
    int top = 0;
    if (!WholeNumber(text, top) || top < 1 || top > AffineKey::kKeyCount) {
        throw Usage("--top " + Quoted(text) + ": give a number of keys from 1 to 312");
    }
    return top;
}

std::string ModeOption(Mode mode) {
    return mode == Mode::Decipher ? "--decipher" : mode == Mode::Break ? "--break" : "--solve";
}

// Throws when a request whose options are all known cannot be carried out.
void Check(const Request& request, bool topGiven) {
    const auto count = request.operands.size();
    const bool decipherOrBreak = request.mode == Mode::Decipher || request.mode == Mode::Break;
    if (decipherOrBreak && count == 0) {
        throw Usage(ModeOption(request.mode) + " needs a TEXT (- reads standard input)");
    }
    if (request.mode == Mode::Solve && count != 2) {
        throw Usage(
            "--solve needs two texts, PLAIN and CIPHER (- reads one of them from standard input)");
    }
    if ((request.mode == Mode::Break || request.mode == Mode::Solve) && request.key) {
        throw Usage(ModeOption(request.mode) + " looks for the key itself; it takes no --key");
    }
    if (topGiven && request.mode != Mode::Break) {
        throw Usage("--top goes only with --break");
    }
    const auto fromStandardInput =
        std::ranges::count_if(request.operands, &Operand::IsStandardInput);
    if (fromStandardInput > 1) {
        throw Usage("standard input can be read only once, but - is given " +
                    std::to_string(fromStandardInput) + " times");
    }
}

}  // namespace

Request ParseCommandLine(int argc, char** argv) {
    static constexpr option kLongOptions[] = {
        {"key", required_argument, nullptr, 'k'}, {"decipher", no_argument, nullptr, 'd'},
        {"break", no_argument, nullptr, 'b'},     {"top", required_argument, nullptr, 't'},
        {"solve", no_argument, nullptr, 's'},     {"help", no_argument, nullptr, 'h'},
        {"version", no_argument, nullptr, 'V'},   {nullptr, 0, nullptr, 0},
    };
    Request request;
    bool topGiven = false;
    // "+": the first text ends the options, so that a text may hold words like "--help" as the
    // form's input line may; ":": the messages are ours.
    for (int option;
         (option = getopt_long(argc, argv, "+:k:dbt:shV", kLongOptions, nullptr)) != -1;) {
        switch (option) {
            case 'h':
            case 'V':
                request.mode = option == 'h' ? Mode::Help : Mode::Version;
                return request;
            case 'k':
                request.key = ParseKey(optarg);
                break;
            case 't':
                request.top = ParseTop(optarg);
                topGiven = true;
                break;
            case ':':
                throw Usage(optopt == 'k' ? "--key needs a key A,B such as 5,8"
                                          : "--top needs a number of keys");
            case '?':  // an option we do not know, or a value for one that takes none
                if (optopt == 0 || std::strchr("dbshV", optopt) == nullptr) {
                    throw Usage("unknown option " +
                                Quoted(optopt == 0
                                           ? argv[optind - 1]
                                           : "-" + std::string(1, static_cast<char>(optopt))));
                }
                throw Usage(std::string(argv[optind - 1], std::strcspn(argv[optind - 1], "=")) +
                            " takes no value");
            default: {
                const Mode mode = option == 'd'   ? Mode::Decipher
                                  : option == 'b' ? Mode::Break
                                                  : Mode::Solve;
                if (request.mode != Mode::Form && request.mode != mode) {
                    throw Usage(ModeOption(request.mode) + " and " + ModeOption(mode) +
                                " cannot be used together");
                }
                request.mode = mode;
            }
        }
    }
    for (int i = optind; i < argc; ++i) {
        request.operands.push_back({argv[i], i});
    }
    if (request.mode == Mode::Form && request.key) {
        request.mode = request.operands.empty() ? Mode::KeyTable : Mode::Encipher;
    }
    Check(request, topGiven);
    return request;
}
