#include "app/operand_texts.h"

#include <unicode/utf8.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>
#include <optional>
#include <utility>

#include "logic/cipher_letters.h"
#include "logic/utf8.h"

namespace {

constexpr std::size_t kBlockSize = 1 << 18;  // how much of standard input is read at a time

using ErrorOffset = std::optional<std::size_t>;

// Where the first ill-formed sequence of `bytes` starts, if it has one.
ErrorOffset FirstInvalid(std::string_view bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const auto length = static_cast<std::int64_t>(bytes.size());
    for (std::int64_t offset = 0; offset < length;) {
        const std::int64_t start = offset;
        UChar32 codePoint;
        U8_NEXT(data, offset, length, codePoint);
        if (codePoint < 0) {
            return static_cast<std::size_t>(start);
        }
    }
    return std::nullopt;
}

// The length of `bytes` without a sequence at its end that is cut short, whose rest may come
// with the next block.
std::size_t WithoutCutEnd(std::string_view bytes) {
    for (std::size_t back = 1; back <= std::min<std::size_t>(3, bytes.size()); ++back) {
        const auto byte = static_cast<std::uint8_t>(bytes[bytes.size() - back]);
        if (!U8_IS_TRAIL(byte)) {
            return static_cast<std::size_t>(U8_COUNT_TRAIL_BYTES(byte)) >= back
                       ? bytes.size() - back
                       : bytes.size();
        }
    }
    return bytes.size();
}

std::string InvalidUtf8(const Operand& operand, std::size_t errorOffset) {
    const std::string where = operand.IsStandardInput()
                                  ? std::string("standard input")
                                  : "argument " + std::to_string(operand.argument);
    return where + " is not valid UTF-8 (byte " + std::to_string(errorOffset + 1) +
           " starts an ill-formed sequence)";
}

// Runs `use` on the bytes of each operand in turn: an argument whole, standard input in blocks
// that never end inside a character. `use` is told whether the bytes begin an operand and returns
// where they are not UTF-8, if they are not; the first such place ends the reading.
template <typename Use>
void EachOperand(const std::vector<Operand>& operands, Use use) {
    for (const Operand& operand : operands) {
        if (!operand.IsStandardInput()) {
            if (const ErrorOffset errorOffset = use(operand.text, true)) {
                throw Trouble{InvalidUtf8(operand, *errorOffset)};
            }
            continue;
        }
        std::string block(kBlockSize, '\0');
        std::size_t kept = 0;  // the cut sequence at the end of the last block, moved to the front
        for (std::size_t used = 0;;) {
            const ssize_t got = read(STDIN_FILENO, block.data() + kept, block.size() - kept);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                throw Trouble{"could not read standard input: " +
                              std::string(std::strerror(errno))};
            }
            const std::string_view bytes(block.data(), kept + static_cast<std::size_t>(got));
            const std::size_t whole = got == 0 ? bytes.size() : WithoutCutEnd(bytes);
            if (const ErrorOffset errorOffset = use(bytes.substr(0, whole), used == 0)) {
                throw Trouble{InvalidUtf8(operand, used + *errorOffset)};
            }
            if (got == 0) {
                break;
            }
            used += whole;
            kept = bytes.size() - whole;
            std::memmove(block.data(), block.data() + whole, kept);
        }
    }
}

}  // namespace

void Letters::Append(std::string_view more) {
    if (more.empty()) {
        return;
    }
    if (more.size() > capacity_ - size_) {
        const std::size_t capacity = std::max(2 * capacity_, size_ + more.size());
        char* grown = static_cast<char*>(std::realloc(data_.get(), capacity));
        if (grown == nullptr) {
            throw std::bad_alloc();
        }
        data_.release();
        data_.reset(grown);
        capacity_ = capacity;
    }
    std::memcpy(data_.get() + size_, more.data(), more.size());
    size_ += more.size();
}

Letters CipherLettersOf(const std::vector<Operand>& operands) {
    Letters letters;
    CipherLetters block;
    EachOperand(operands, [&](std::string_view bytes, bool) -> ErrorOffset {
        block.letters.clear();
        AppendCipherLetters(bytes, block);
        letters.Append(block.letters);
        return block.valid ? std::nullopt : std::optional(block.errorOffset);
    });
    return letters;
}

std::u16string FormTextOf(const std::vector<Operand>& operands, std::size_t units) {
    std::u16string text;
    bool first = true;
    EachOperand(operands, [&](std::string_view bytes, bool startsOperand) -> ErrorOffset {
        if (startsOperand && !std::exchange(first, false) && text.size() <= units) {
            text += u' ';
        }
        if (text.size() > units) {
            return FirstInvalid(bytes);
        }
        Utf8Decoding decoded = DecodeUtf8(bytes);
        text += decoded.text.substr(0, units + 1 - text.size());
        return decoded.valid ? std::nullopt : std::optional(decoded.errorOffset);
    });
    return text;
}
