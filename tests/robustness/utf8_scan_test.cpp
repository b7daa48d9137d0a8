// The independent scan of UTF-8 and the program's decoder, side by side on the sequences that
// decoders get wrong: overlong forms, encoded surrogates, code points past U+10FFFF, stray and
// missing continuation bytes.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "logic/utf8.h"
#include "tests/robustness/utf8_scan.h"

namespace {

struct Utf8Case {
    const char* name;
    std::string bytes;
    bool wellFormed;
    std::size_t firstBadByte;  // when ill-formed
    std::u16string text;       // when well-formed
};

std::u32string CodePoints(std::u16string_view text) {
    std::u32string codePoints;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size()) {
            codePoints.push_back(0x10000 + ((text[i] - 0xD800u) << 10) + (text[i + 1] - 0xDC00u));
            ++i;
        } else {
            codePoints.push_back(text[i]);
        }
    }
    return codePoints;
}

// Names the row in failure messages instead of dumping its bytes.
void PrintTo(const Utf8Case& row, std::ostream* out) {
    *out << row.name;
}

class Utf8Reading : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Reading, AgreesBetweenScanAndDecoder) {
    const Utf8Case& c = GetParam();
    const Utf8Scan scan = ScanUtf8(c.bytes);
    const Utf8Decoding decoded = DecodeUtf8(c.bytes);
    EXPECT_EQ(scan.wellFormed, c.wellFormed);
    EXPECT_EQ(decoded.valid, c.wellFormed);
    if (c.wellFormed) {
        EXPECT_EQ(decoded.text, c.text);
        EXPECT_EQ(scan.codePoints, CodePoints(c.text));
        EXPECT_EQ(EncodeUtf8(decoded.text), c.bytes);
    } else {
        EXPECT_EQ(scan.firstBadByte, c.firstBadByte);
        EXPECT_EQ(decoded.errorOffset, c.firstBadByte);
    }
}

const Utf8Case kCases[] = {
    {"Empty", "", true, 0, u""},
    {"Ascii", "AFFINE cipher!", true, 0, u"AFFINE cipher!"},
    {"Cyrillic", "\xD0\xA8\xD0\xB8\xD1\x84\xD1\x8A\xD1\x80", true, 0, u"Шифър"},
    {"OutsideBmp", "a\xF0\x9F\x98\x80z", true, 0, u"a\U0001F600z"},
    {"LastBeforeSurrogates", "\xED\x9F\xBF", true, 0, u"\uD7FF"},
    {"FirstAfterSurrogates", "\xEE\x80\x80", true, 0, u"\uE000"},
    {"Noncharacter", "\xEF\xBF\xBE", true, 0, u"\uFFFE"},
    {"LastCodePoint", "\xF4\x8F\xBF\xBF", true, 0, u"\U0010FFFF"},
    {"OverlongSlash", "\xC0\xAF", false, 0, u""},
    {"OverlongTwoBytes", "ab\xC1\xBF", false, 2, u""},
    {"OverlongThreeBytes", "\xE0\x80\xAF", false, 0, u""},
    {"OverlongFourBytes", "\xF0\x8F\xBF\xBF", false, 0, u""},
    {"EncodedLeadSurrogate", "x\xED\xA0\x80", false, 1, u""},
    {"EncodedTrailSurrogate", "\xED\xBF\xBF", false, 0, u""},
    {"PastLastCodePoint", "\xF4\x90\x80\x80", false, 0, u""},
    {"LeadByteF5", "\xF5\x80\x80\x80", false, 0, u""},
    {"StrayContinuation", "A\x80", false, 1, u""},
    {"ByteFF", "\xFF", false, 0, u""},
    {"CutThreeBytes", "AB\xE2\x82", false, 2, u""},
    {"CutBeforeAscii", "\xE2\x82Z", false, 0, u""},
    {"EmbeddedZero", std::string("A\0B", 3), true, 0, std::u16string(u"A\0B", 3)},
};

INSTANTIATE_TEST_SUITE_P(Sequences, Utf8Reading, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Utf8Case>& row) {
                             return row.param.name;
                         });

}  // namespace
