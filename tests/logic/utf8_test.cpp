// Conversion between UTF-8 command-line text and the program's UTF-16.

#include <gtest/gtest.h>
#include <unicode/utf8.h>

#include <array>
#include <cstdint>
#include <string>

#include "logic/utf8.h"

namespace {

using namespace std::string_view_literals;

struct Encoding {
    std::string_view bytes;
    std::u16string_view text;
};

class WellFormedUtf8 : public testing::TestWithParam<Encoding> {};

TEST_P(WellFormedUtf8, DecodesToItsText) {
    const Utf8Decoding decoding = DecodeUtf8(GetParam().bytes);
    EXPECT_TRUE(decoding.valid);
    EXPECT_EQ(decoding.text, GetParam().text);
}

TEST_P(WellFormedUtf8, IsWhatTheTextEncodesTo) {
    EXPECT_EQ(EncodeUtf8(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WellFormedUtf8,
    testing::Values(Encoding{"", u""}, Encoding{"Affine cipher!\r\n", u"Affine cipher!\r\n"},
                    Encoding{"a\0b\x7F"sv, u"a\0b\x7F"sv},
                    Encoding{"\xC2\x80\xDF\xBF", u"\u0080\u07FF"}, Encoding{"Шифър", u"Шифър"},
                    Encoding{"\xE0\xA0\x80", u"\u0800"}, Encoding{"\xEF\xBF\xBF", u"\uFFFF"},
                    Encoding{"\xF0\x90\x80\x80", u"\U00010000"},
                    Encoding{"\xF0\x90\x90\xA8", u"\U00010428"},
                    Encoding{"\xF4\x8F\xBF\xBF", u"\U0010FFFF"}));

struct IllFormed {
    std::string_view bytes;
    std::size_t errorOffset;
};

class IllFormedUtf8 : public testing::TestWithParam<IllFormed> {};

TEST_P(IllFormedUtf8, IsRefusedAtTheByteWhereItGoesWrong) {
    const Utf8Decoding decoding = DecodeUtf8(GetParam().bytes);
    EXPECT_FALSE(decoding.valid);
    EXPECT_EQ(decoding.errorOffset, GetParam().errorOffset);
    EXPECT_EQ(decoding.text, u"");
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, IllFormedUtf8,
    testing::Values(IllFormed{"\xFF", 0}, IllFormed{"ab\xFE", 2}, IllFormed{"\x80", 0},
                    IllFormed{"\xC0\xAF", 0}, IllFormed{"A\xC1\xBF", 1},
                    IllFormed{"ab\xE0\x80\xAF", 2}, IllFormed{"\xF0\x80\x80\xAF", 0},
                    IllFormed{"\xED\xA0\x80", 0}, IllFormed{"x\xED\xBF\xBF", 1},
                    IllFormed{"x\xF4\x90\x80\x80", 1}, IllFormed{"\xF8\x88\x80\x80\x80", 0},
                    IllFormed{"\xE2\x82", 0}, IllFormed{"abc\xE2\x82z", 3},
                    IllFormed{"\xF0\x90\x90", 0}, IllFormed{"ok\xC3", 2}));

struct LoneSurrogate {
    std::u16string_view text;
    std::string_view bytes;
};

class LoneSurrogateToUtf8 : public testing::TestWithParam<LoneSurrogate> {};

TEST_P(LoneSurrogateToUtf8, BecomesTheReplacementCharacter) {
    EXPECT_EQ(EncodeUtf8(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Texts, LoneSurrogateToUtf8,
                         testing::Values(LoneSurrogate{u"\xD800", "\xEF\xBF\xBD"},
                                         LoneSurrogate{u"a\xDC00"
                                                       u"b",
                                                       "a\xEF\xBF\xBD"
                                                       "b"},
                                         LoneSurrogate{u"\xDC00\xD800", "\xEF\xBF\xBD\xEF\xBF\xBD"},
                                         LoneSurrogate{u"\xD801\U00010428",
                                                       "\xEF\xBF\xBD\xF0\x90\x90\xA8"}));

// The decoder's answer and how far it moves, against ICU's U8_NEXT, for every sequence of one to
// four bytes drawn from the bytes at the edges of the table of well-formed UTF-8: cut sequences,
// overlong forms, surrogates, code points past U+10FFFF and stray trail bytes among them.
TEST(NextUtf8CodePoint, ReadsAndSkipsAsIcuDoes) {
    constexpr std::array<std::uint8_t, 28> kEdges = {
        0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xC1, 0xC2, 0xDF, 0xE0,
        0xE1, 0xEC, 0xED, 0xEE, 0xEF, 0xF0, 0xF1, 0xF3, 0xF4, 0xF5, 0xF7, 0xF8, 0xFE, 0xFF};
    int disagreements = 0;
    std::string first;
    std::size_t sequences = 1;
    for (std::size_t length = 1; length <= 4; ++length) {
        sequences *= kEdges.size();
        for (std::size_t n = 0; n < sequences; ++n) {
            std::string bytes;
            for (std::size_t rest = n; bytes.size() < length; rest /= kEdges.size()) {
                bytes.push_back(static_cast<char>(kEdges[rest % kEdges.size()]));
            }
            std::size_t offset = 0;
            const char32_t ours = NextUtf8CodePoint(bytes, offset);
            std::int32_t icuOffset = 0;
            UChar32 icu = 0;
            U8_NEXT(reinterpret_cast<const std::uint8_t*>(bytes.data()), icuOffset,
                    static_cast<std::int32_t>(length), icu);
            const char32_t expected = icu < 0 ? kIllFormedUtf8 : static_cast<char32_t>(icu);
            if ((ours != expected || offset != static_cast<std::size_t>(icuOffset)) &&
                disagreements++ == 0) {
                first = testing::PrintToString(bytes);
            }
        }
    }
    EXPECT_EQ(disagreements, 0) << "the first: " << first;
}

}  // namespace
