// The cipher for any key: its agreement with the form, its keys, and breaking and solving.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "logic/affine_key.h"
#include "logic/cipher_letters.h"
#include "logic/key_breaking.h"
#include "logic/key_solving.h"
#include "logic/key_table.h"
#include "logic/table_headings.h"
#include "tests/logic/form_snapshot.h"

namespace {

AffineKey Key(int factor, int shift) {
    return AffineKey::Make(factor, shift).value();
}

std::string Alphabet() {
    std::string letters;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        letters += letter;
    }
    return letters;
}

TEST(AffineKeyFiveEight, AgreesWithTheFormOnEveryLetter) {
    const AffineKey key = Key(5, 8);
    MainForm form = LoadedForm(Widened(Alphabet()));
    form.EncryptText();
    const KeyTableTexts headings = KeyTableHeadings(key);
    for (std::size_t k = 0; k < kKeyTableColumnCount; ++k) {
        EXPECT_EQ(headings[k], kTableHeadings[k]);
    }
    const std::string enciphered = key.Encipher(Alphabet());
    for (int x = 0; x < AffineKey::kLetterCount; ++x) {
        const KeyTableTexts row = KeyTableRow(key, x);
        for (ControlIndex k = 0; k < MainForm::kTableListCount; ++k) {
            EXPECT_EQ(row[static_cast<std::size_t>(k)], form.List2(k).List(x))
                << "row " << x << ", column " << k;
        }
        const std::u16string cipherLetter = form.List1(2).List(x);
        EXPECT_EQ(enciphered[static_cast<std::size_t>(x)], cipherLetter.front()) << "letter " << x;
        EXPECT_EQ(Widened(std::to_string(key.DecipherCode(cipherLetter.front() - u'A'))),
                  form.List1(1).List(x))
            << "letter " << x;
    }
}

TEST(AffineKey, EveryKeyDeciphersWhatItEnciphersAndNoTwoLettersShareACipherLetter) {
    for (int index = 0; index < AffineKey::kKeyCount; ++index) {
        const AffineKey key = AffineKey::ByIndex(index);
        EXPECT_EQ(key.Factor() * key.InverseFactor() % 26, 1) << key.Text();
        const std::string enciphered = key.Encipher(Alphabet());
        EXPECT_EQ(key.Decipher(enciphered), Alphabet()) << key.Text();
        std::string sorted = enciphered;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, Alphabet()) << key.Text();
    }
    EXPECT_EQ(AffineKey::ByIndex(0), Key(1, 0));
    EXPECT_EQ(AffineKey::ByIndex(311), Key(25, 25));
}

struct KeyNumbers {
    int factor;
    int shift;
};

class AffineKeyRefuses : public testing::TestWithParam<KeyNumbers> {};

TEST_P(AffineKeyRefuses, AFactorSharingADivisorWith26OrAShiftOutsideTheAlphabet) {
    EXPECT_FALSE(AffineKey::Make(GetParam().factor, GetParam().shift).has_value());
}

INSTANTIATE_TEST_SUITE_P(Keys, AffineKeyRefuses,
                         testing::Values(KeyNumbers{0, 0}, KeyNumbers{2, 1}, KeyNumbers{13, 0},
                                         KeyNumbers{26, 0}, KeyNumbers{27, 0}, KeyNumbers{-1, 0},
                                         KeyNumbers{5, -1}, KeyNumbers{5, 26}));

struct LettersCase {
    const char* name;
    std::u16string text;
};

class CipherLettersOfText : public testing::TestWithParam<LettersCase> {};

// The form's input line holds no more than 40 units when a user types; the program's own write
// has no limit, so the form shows the letters of a text of any length here.
TEST_P(CipherLettersOfText, AreTheLettersTheFormKeeps) {
    MainForm form = LoadedForm(GetParam().text);
    form.EncryptText();
    CipherLetters letters;
    AppendCipherLetters(EncodeUtf8(GetParam().text), letters);
    EXPECT_TRUE(letters.valid);
    EXPECT_EQ(Widened(letters.letters), form.Text2(0).Text());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CipherLettersOfText,
    testing::Values(LettersCase{"MixedCaseAndPunctuation", u"Affine cipher! 2024"},
                    LettersCase{"DotlessIAndLongS", u"ıſ"},
                    LettersCase{"SharpSLigatureAndDiacritics", u"Straße ﬁ Ça été"},
                    LettersCase{"CyrillicAndFullWidth", u"Шифър ａｂ xyz"},
                    LettersCase{"OutsideTheBasicPlane", u"x\U00010428y\U0001F600z"},
                    LettersCase{"LongerThanTheInputLine",
                                u"the quick brown fox jumps over the lazy dog, twice: the quick "
                                u"brown fox jumps over the lazy dog"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CipherLetters, StopAtTheFirstIllFormedByteAndSayWhere) {
    CipherLetters letters;
    AppendCipherLetters("ab\xC3(cd", letters);
    EXPECT_FALSE(letters.valid);
    EXPECT_EQ(letters.errorOffset, 2u);
}

class BreakingTheCipher : public testing::TestWithParam<KeyNumbers> {};

TEST_P(BreakingTheCipher, RanksTheKeyOfAnEnglishTextFirst) {
    const AffineKey key = Key(GetParam().factor, GetParam().shift);
    CipherLetters plain;
    AppendCipherLetters(
        "It was the best of times, it was the worst of times; it was the age of "
        "wisdom, it was the age of foolishness.",
        plain);
    const std::vector<RankedKey> ranking =
        RankKeysByEnglishFrequencies(key.Encipher(plain.letters));
    ASSERT_EQ(ranking.size(), 312u);
    EXPECT_EQ(ranking.front().key, key) << ranking.front().key.Text();
    EXPECT_LT(ranking[0].score, ranking[1].score);
}

INSTANTIATE_TEST_SUITE_P(Keys, BreakingTheCipher,
                         testing::Values(KeyNumbers{1, 0}, KeyNumbers{5, 8}, KeyNumbers{11, 4},
                                         KeyNumbers{7, 3}, KeyNumbers{25, 25}));

// Short texts, where letter frequencies alone rank another key first for all but the second:
// the model of letter triples must still find the key.
TEST(BreakingShortTexts, RanksTheKeyFirstByLetterTriples) {
    const std::vector<std::pair<std::string, KeyNumbers>> texts = {
        {"We buy junk cars for cash", {7, 3}},  // 20 letters
        {"Keep this letter secret", {11, 4}},   // 20
        {"Fly by night from York", {25, 0}},    // 18
        {"Hello, world", {5, 8}},               // 10
    };
    for (const auto& [text, numbers] : texts) {
        const AffineKey key = Key(numbers.factor, numbers.shift);
        CipherLetters plain;
        AppendCipherLetters(text, plain);
        const std::vector<RankedKey> ranking =
            RankKeysByEnglishTrigrams(key.Encipher(plain.letters));
        ASSERT_EQ(ranking.size(), 312u);
        EXPECT_EQ(ranking.front().key, key) << text << ": " << ranking.front().key.Text();
        EXPECT_LT(ranking[0].score, ranking[1].score) << text;
    }
}

// Too few letters for a triple, or none: still every key, and no letter read past the end. E is
// English's commonest letter and TH its commonest pair, so the first key keeps them.
TEST(BreakingShortTexts, RanksEveryKeyForNoLetterOneOrTwo) {
    for (const std::string letters : {"", "E", "TH"}) {
        const std::vector<RankedKey> ranking = RankKeysByEnglishTrigrams(letters);
        ASSERT_EQ(ranking.size(), 312u) << letters;
        EXPECT_EQ(ranking.front().key.Decipher(letters), letters);
    }
}

struct SolvingCase {
    const char* name;
    std::string plain;
    std::string cipher;
    std::size_t keyCount;
    std::string firstKey;
};

class SolvingForTheKey : public testing::TestWithParam<SolvingCase> {};

TEST_P(SolvingForTheKey, GivesEveryKeyThatFitsAndNoOther) {
    const std::vector<AffineKey> keys = KeysThatEncipher(GetParam().plain, GetParam().cipher);
    ASSERT_EQ(keys.size(), GetParam().keyCount);
    if (!keys.empty()) {
        EXPECT_EQ(keys.front().Text(), GetParam().firstKey);
    }
    for (const AffineKey& key : keys) {
        EXPECT_EQ(key.Encipher(GetParam().plain), GetParam().cipher) << key.Text();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SolvingForTheKey,
    testing::Values(SolvingCase{"TheWorkedExample", "AFFINE", "IHHWVC", 1, "5,8"},
                    SolvingCase{"TwoLettersFixTheKey", "EL", "CL", 1, "5,8"},
                    SolvingCase{"OneLetterFitsOneKeyPerFactor", "AAA", "III", 12, "1,8"},
                    SolvingCase{"NoLettersFitEveryKey", "", "", 312, "1,0"},
                    SolvingCase{"OnePlainLetterTwoCipherLetters", "AA", "IJ", 0, ""},
                    SolvingCase{"TwoPlainLettersOneCipherLetter", "AB", "CC", 0, ""},
                    // N and A are 13 apart: every factor sends both to letters 13 apart.
                    SolvingCase{"NoFactorMapsThePair", "AN", "AB", 0, ""}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
