#include "logic/text_edit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// What a line edit's text and cursor say of the edit the user made, which the text box then
// makes under its own rule.
TEST(EditBetween, ReadsTheUsersEditFromTheTextAndCursor) {
    // A letter typed in the middle.
    TextEdit edit = EditBetween(u"ABD", u"ABCD", 3);
    EXPECT_EQ(edit.from, 2U);
    EXPECT_EQ(edit.replaced, 0U);
    EXPECT_EQ(edit.inserted, u"C");

    // "AB" selected and pasted over with "ABX": the common beginning alone would say that only
    // an X was inserted after the selection; where the selection began says otherwise.
    edit = EditBetween(u"ABCD", u"ABXCD", 3, 0);
    EXPECT_EQ(edit.from, 0U);
    EXPECT_EQ(edit.replaced, 2U);
    EXPECT_EQ(edit.inserted, u"ABX");

    // An undo that brings back a text differing from the present one in one half of a
    // character replaces the whole character.
    const std::u16string before = u"a\U0001F600b";
    const std::u16string after = u"a\U0001F601b";
    edit = EditBetween(before, after, 3);
    EXPECT_EQ(edit.from, 1U);
    EXPECT_EQ(edit.replaced, 2U);
    EXPECT_EQ(edit.inserted, u"\U0001F601");
}

}  // namespace
