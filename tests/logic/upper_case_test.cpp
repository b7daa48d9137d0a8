// Upper-casing by the simple, one-to-one case mapping, which keeps every text's length.

#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <string>
#include <vector>

#include "logic/case_mapping.h"
#include "logic/text_routines.h"

namespace {

// The code point as UTF-16, written with ICU's own macro; a surrogate code point is one unit.
std::u16string Units(UChar32 codePoint) {
    char16_t units[2];
    std::int32_t length = 0;
    U16_APPEND_UNSAFE(units, length, codePoint);
    return std::u16string(units, static_cast<std::size_t>(length));
}

bool IsCapitalLatin(std::u16string_view text) {
    return text.size() == 1 && text[0] >= u'A' && text[0] <= u'Z';
}

TEST(UpperCase, MapsEveryCodePointAsIcuDoesAndKeepsItsLength) {
    std::vector<UChar32> offenders;
    for (UChar32 c = 0; c <= 0x10FFFF; ++c) {
        const std::u16string text = Units(c);
        const std::u16string upper = UpperCase(text);
        if (upper.size() != text.size() || upper != Units(u_toupper(c))) {
            offenders.push_back(c);
        }
    }
    EXPECT_TRUE(offenders.empty())
        << offenders.size() << " code points, the first U+" << std::hex << offenders.front();
}

// The table made from UnicodeData.txt at build time stands in for ICU in both the desktop and the
// WebAssembly build; a unicode-data package of another Unicode version than ICU's shows here.
TEST(SimpleUpperCase, AgreesWithIcuOnEveryCodePoint) {
    std::vector<UChar32> offenders;
    for (UChar32 c = 0; c <= 0x10FFFF; ++c) {
        if (SimpleUpperCase(static_cast<char32_t>(c)) != static_cast<char32_t>(u_toupper(c))) {
            offenders.push_back(c);
        }
    }
    EXPECT_TRUE(offenders.empty())
        << offenders.size() << " code points, the first U+" << std::hex << offenders.front()
        << "; ICU has Unicode " << U_UNICODE_VERSION;
}

// The encryption keeps a character when its upper-case form is one of A to Z. Besides the Latin
// letters themselves, the character database lets exactly two characters in that way.
TEST(UpperCase, GivesACapitalLatinLetterOnlyForLatinLettersDotlessIAndLongS) {
    std::vector<UChar32> intoTheAlphabet;
    for (UChar32 c = 0; c <= 0x10FFFF; ++c) {
        const bool latin = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!latin && IsCapitalLatin(UpperCase(Units(c)))) {
            intoTheAlphabet.push_back(c);
        }
    }
    EXPECT_EQ(intoTheAlphabet, (std::vector<UChar32>{0x0131, 0x017F}));
}

struct UpperCaseCase {
    const char* name;
    std::u16string_view text;
    std::u16string_view upper;
};

class UpperCaseOf : public testing::TestWithParam<UpperCaseCase> {};

TEST_P(UpperCaseOf, TakesTheSimpleMapping) {
    EXPECT_EQ(UpperCase(GetParam().text), GetParam().upper);
}

// Where the full mapping would expand (ß to SS, ﬁ to FI, ŉ to ʼN, ǰ to J̌, ΐ to three
// characters), the simple one leaves the character as it is.
INSTANTIATE_TEST_SUITE_P(
    Characters, UpperCaseOf,
    testing::Values(UpperCaseCase{"MixedText", u"Affine cipher!", u"AFFINE CIPHER!"},
                    UpperCaseCase{"Cyrillic", u"шифър Ъ", u"ШИФЪР Ъ"},
                    UpperCaseCase{"LatinWithDiacritics", u"çéÿ", u"ÇÉ\u0178"},
                    UpperCaseCase{"DotlessI", u"\u0131", u"I"},
                    UpperCaseCase{"LongS", u"\u017F", u"S"},
                    UpperCaseCase{"SharpS", u"\u00DF", u"\u00DF"},
                    UpperCaseCase{"LigatureFf", u"\uFB00", u"\uFB00"},
                    UpperCaseCase{"LigatureFi", u"\uFB01", u"\uFB01"},
                    UpperCaseCase{"NPrecededByApostrophe", u"\u0149", u"\u0149"},
                    UpperCaseCase{"JWithCaron", u"\u01F0", u"\u01F0"},
                    UpperCaseCase{"IotaWithDialytikaAndTonos", u"\u0390", u"\u0390"},
                    UpperCaseCase{"TitlecaseDz", u"\u01C5\u01C6", u"\u01C4\u01C4"},
                    UpperCaseCase{"FinalSigma", u"\u03C2", u"\u03A3"},
                    UpperCaseCase{"FullwidthA", u"\uFF41", u"\uFF21"},
                    UpperCaseCase{"KelvinSign", u"\u212A", u"\u212A"},
                    UpperCaseCase{"AngstromSign", u"\u212B", u"\u212B"},
                    UpperCaseCase{"DeseretLongI", u"a\U00010428", u"A\U00010400"},
                    UpperCaseCase{"LoneLeadSurrogate",
                                  u"a\xD801"
                                  u"b",
                                  u"A\xD801"
                                  u"B"},
                    UpperCaseCase{"LoneTrailSurrogate",
                                  u"\xDC28"
                                  u"a",
                                  u"\xDC28"
                                  u"A"},
                    UpperCaseCase{"SurrogatesInReverseOrder", u"\xDC28\xD801", u"\xDC28\xD801"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
