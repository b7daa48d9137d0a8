#include "app/operand_texts.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "logic/cipher_letters.h"
#include "logic/utf8.h"

namespace {

// All of standard input, read in large blocks into a string that grows by doubling, so a file
// of any size is read in time and memory proportional to it.
std::string ReadStandardInput() {
    std::string bytes;
    std::size_t size = 0;
    bytes.resize(1 << 16);
    for (;;) {
        if (size == bytes.size()) {
            bytes.resize(bytes.size() * 2);
        }
        const ssize_t got = read(STDIN_FILENO, bytes.data() + size, bytes.size() - size);
        if (got == 0) {
            break;
        }
        if (got < 0 && errno != EINTR) {
            throw Trouble{"could not read standard input: " + std::string(std::strerror(errno))};
        }
        size += got > 0 ? static_cast<std::size_t>(got) : 0;
    }
    bytes.resize(size);
    bytes.shrink_to_fit();
    return bytes;
}

std::string InvalidUtf8(const Operand& operand, std::size_t errorOffset) {
    const std::string where = operand.IsStandardInput()
                                  ? std::string("standard input")
                                  : "argument " + std::to_string(operand.argument);
    return where + " is not valid UTF-8 (byte " + std::to_string(errorOffset + 1) +
           " starts an ill-formed sequence)";
}

// Runs `use` on the bytes of each operand in turn; stops at the first problem.
template <typename Use>
void EachOperand(const std::vector<Operand>& operands, Use use) {
    for (const Operand& operand : operands) {
        const std::string standardInput = operand.IsStandardInput() ? ReadStandardInput() : "";
        if (const std::optional<std::size_t> errorOffset =
                use(operand.IsStandardInput() ? standardInput : operand.text)) {
            throw Trouble{InvalidUtf8(operand, *errorOffset)};
        }
    }
}

}  // namespace

std::string CipherLettersOf(const std::vector<Operand>& operands) {
    CipherLetters letters;
    EachOperand(operands, [&letters](std::string_view bytes) {
        AppendCipherLetters(bytes, letters);
        return letters.valid ? std::nullopt : std::optional(letters.errorOffset);
    });
    return std::move(letters.letters);
}

std::u16string FormTextOf(const std::vector<Operand>& operands) {
    std::u16string text;
    bool first = true;
    EachOperand(operands, [&](std::string_view bytes) {
        Utf8Decoding decoded = DecodeUtf8(bytes);
        if (!decoded.valid) {
            return std::optional(decoded.errorOffset);
        }
        text += first ? u"" : u" ";
        text += decoded.text;
        first = false;
        return std::optional<std::size_t>();
    });
    return text;
}
