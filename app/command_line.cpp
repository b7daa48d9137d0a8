#include "app/command_line.h"

#include <charconv>

namespace {

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

std::string ParseKey(std::string_view text, std::optional<AffineKey>& key) {
    const std::size_t comma = text.find(',');
    int factor = 0;
    int shift = 0;
    std::string quoted = "'";
    quoted.append(text);
    quoted += '\'';
    if (comma == std::string_view::npos || !WholeNumber(text.substr(0, comma), factor) ||
        !WholeNumber(text.substr(comma + 1), shift)) {
        return "malformed key " + quoted + ": give it as A,B, two whole numbers such as 5,8";
    }
    if (!AffineKey::IsFactor(factor)) {
        std::string message = "key " + quoted + ": A must be coprime to 26, one of";
        for (const int valid : AffineKey::kFactors) {
            message += ' ';
            message += std::to_string(valid);
        }
        return message;
    }
    key = AffineKey::Make(factor, shift);
    return key ? "" : "key " + quoted + ": B must be 0 to 25";
}

std::string ParseTop(std::string_view text, int& top) {
    int number = 0;
    if (!WholeNumber(text, number) || number < 1 || number > AffineKey::kKeyCount) {
        return "--top '" + std::string(text) + "': give a number of keys from 1 to 312";
    }
    top = number;
    return "";
}

std::string_view ModeOption(Mode mode) {
    switch (mode) {
        case Mode::Decipher:
            return "--decipher";
        case Mode::Break:
            return "--break";
        case Mode::Solve:
            return "--solve";
        default:
            return "";
    }
}

// The problem with a request whose options are all known, if it has one.
std::string Check(const Request& request, bool topGiven) {
    const std::string mode(ModeOption(request.mode));
    const auto count = request.operands.size();
    if ((request.mode == Mode::Decipher || request.mode == Mode::Break) && count == 0) {
        return mode + " needs a TEXT (- reads standard input)";
    }
    if (request.mode == Mode::Solve && count != 2) {
        return "--solve needs two texts, PLAIN and CIPHER (- reads one of them from standard "
               "input)";
    }
    if ((request.mode == Mode::Break || request.mode == Mode::Solve) && request.key) {
        return mode + " looks for the key itself; it takes no --key";
    }
    if (topGiven && request.mode != Mode::Break) {
        return "--top goes only with --break";
    }
    int fromStandardInput = 0;
    for (const Operand& operand : request.operands) {
        fromStandardInput += operand.IsStandardInput() ? 1 : 0;
    }
    if (fromStandardInput > 1) {
        return "standard input can be read only once, but - is given " +
               std::to_string(fromStandardInput) + " times";
    }
    return "";
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv) {
    ParsedCommandLine parsed;
    Request& request = parsed.request;
    bool topGiven = false;
    int i = 1;
    // Options come before the texts; "--" ends them, and so does the first text, so that a text
    // may hold words like "--help" as the form's input line may.
    for (; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--") {
            ++i;
            break;
        }
        if (argument.size() < 2 || argument.front() != '-') {
            break;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        std::optional<std::string_view> value;
        if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if ((name == "--key" || name == "--top") && i + 1 < argc) {
            value = argv[++i];
        }
        Mode mode = Mode::Form;
        if (name == "--help" || name == "-h") {
            request.mode = Mode::Help;
            return parsed;
        }
        if (name == "--version") {
            request.mode = Mode::Version;
            return parsed;
        }
        if (name == "--key" || name == "--top") {
            if (!value) {
                parsed.problem = name == "--key" ? "--key needs a key A,B such as 5,8"
                                                 : "--top needs a number of keys";
            } else {
                parsed.problem =
                    name == "--key" ? ParseKey(*value, request.key) : ParseTop(*value, request.top);
                topGiven = topGiven || name == "--top";
            }
            if (!parsed.problem.empty()) {
                return parsed;
            }
            continue;
        }
        if (name == "--decipher") {
            mode = Mode::Decipher;
        } else if (name == "--break") {
            mode = Mode::Break;
        } else if (name == "--solve") {
            mode = Mode::Solve;
        } else {
            parsed.problem =
                "unknown option '" + std::string(argument) + "' (affine-table --help lists them)";
            return parsed;
        }
        if (value) {
            parsed.problem = std::string(name) + " takes no value";
            return parsed;
        }
        if (request.mode != Mode::Form && request.mode != mode) {
            parsed.problem = std::string(ModeOption(request.mode)) + " and " + std::string(name) +
                             " cannot be used together";
            return parsed;
        }
        request.mode = mode;
    }
    for (; i < argc; ++i) {
        request.operands.push_back({argv[i], i});
    }
    if (request.mode == Mode::Form && request.key) {
        request.mode = request.operands.empty() ? Mode::KeyTable : Mode::Encipher;
    }
    parsed.problem = Check(request, topGiven);
    return parsed;
}
