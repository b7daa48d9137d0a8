#include "tests/robustness/mixed_text.h"

#include <array>
#include <cstdint>

namespace {

void AppendCodePoint(std::u16string& text, char32_t codePoint) {
    if (codePoint < 0x10000) {
        text.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    const char32_t offset = codePoint - 0x10000;
    text.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
    text.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
}

template <std::size_t N>
char32_t OneOf(ChoiceSource& choices, const std::array<char32_t, N>& candidates) {
    return candidates[choices.Below(static_cast<std::uint32_t>(N))];
}

char32_t InRange(ChoiceSource& choices, char32_t first, char32_t last) {
    return first + choices.Below(static_cast<std::uint32_t>(last - first + 1));
}

constexpr std::array<char32_t, 16> kPunctuation = {U' ', U' ',  U'!', U'?',     U'.', U',',
                                                   U';', U':',  U'-', U'\'',    U'"', U'(',
                                                   U')', U'\t', U'@', U'\u00A0'};
constexpr std::array<char32_t, 16> kSpecialLatin = {
    U'\u00E9', U'\u00C4', U'\u00F1', U'\u00DF', U'\u0131', U'\u017F', U'\u01C5', U'\uFB00',
    U'\uFF21', U'\uFF41', U'\u00B5', U'\u00FF', U'\u0149', U'\u1E9E', U'\u212A', U'\u0130'};
constexpr std::array<char32_t, 9> kRightToLeftControls = {U'\u200F', U'\u202E', U'\u202B',
                                                          U'\u202C', U'\u061C', U'\u2067',
                                                          U'\u2069', U'\u200E', U'\uFEFF'};
constexpr std::array<char32_t, 8> kOutsideBmp = {U'\U0001F600', U'\U00010428', U'\U00010400',
                                                 U'\U0001D400', U'\U0001E922', U'\U000E0041',
                                                 U'\U0010FFFF', U'\U00020000'};

}  // namespace

std::u16string MixedText(ChoiceSource& choices, std::size_t maxUnits) {
    std::u16string text;
    const std::size_t target = choices.Below(static_cast<std::uint32_t>(maxUnits) + 1u);
    while (text.size() < target) {
        switch (choices.Below(22)) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4:
            case 5:
                AppendCodePoint(text, InRange(choices, U'A', U'Z'));
                break;
            case 6:
            case 7:
            case 8:
            case 9:
                AppendCodePoint(text, InRange(choices, U'a', U'z'));
                break;
            case 10:
                AppendCodePoint(text, InRange(choices, U'0', U'9'));
                break;
            case 11:
                AppendCodePoint(text, OneOf(choices, kPunctuation));
                break;
            case 12: {
                constexpr std::array<std::u16string_view, 5> kLineBreaks = {u"\r\n", u"\n", u"\r",
                                                                            u"\u2028", u"\u0085"};
                text += kLineBreaks[choices.Below(kLineBreaks.size())];
                break;
            }
            case 13:
            case 14:
                AppendCodePoint(text, InRange(choices, U'\u0400', U'\u045F'));
                break;
            case 15:
                AppendCodePoint(text, OneOf(choices, kSpecialLatin));
                break;
            case 16:
                AppendCodePoint(text, InRange(choices, U'\u0300', U'\u036F'));
                break;
            case 17:
                AppendCodePoint(text, choices.OneIn(3)   ? OneOf(choices, kRightToLeftControls)
                                      : choices.OneIn(2) ? InRange(choices, U'\u05D0', U'\u05EA')
                                                         : InRange(choices, U'\u0627', U'\u064A'));
                break;
            case 18:
                AppendCodePoint(text, choices.OneIn(2) ? OneOf(choices, kOutsideBmp)
                                                       : InRange(choices, 0x10000, 0x10FFFF));
                break;
            case 19:
                text.push_back(static_cast<char16_t>(InRange(choices, 0xD800, 0xDFFF)));
                break;
            default:
                text.push_back(static_cast<char16_t>(choices.AnyUnit()));
                break;
        }
    }
    return text;
}
