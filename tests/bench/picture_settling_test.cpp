// When the start-up probe takes a window's picture for settled, and from which grab on.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bench/picture_settling.h"

namespace {

using Rect = PictureSettling::Rect;

constexpr std::int64_t kMs = 1'000'000;
constexpr int kWidth = 40;
constexpr int kHeight = 30;

// A picture of the background colour with some areas painted in another colour.
PictureSettling::Picture Painted(std::vector<Rect> areas, int width = kWidth,
                                 int height = kHeight) {
    PictureSettling::Picture picture;
    picture.width = width;
    picture.height = height;
    picture.stride = static_cast<std::size_t>(width) * 4;
    picture.bytes.assign(picture.stride * static_cast<std::size_t>(height), 0xC0);
    for (const Rect& area : areas) {
        for (int y = area.y; y < area.y + area.height; ++y) {
            for (int x = area.x; x < area.x + area.width; ++x) {
                picture.bytes[static_cast<std::size_t>(y) * picture.stride +
                              static_cast<std::size_t>(x) * 4] = 0x00;
            }
        }
    }
    return picture;
}

const Rect kText{5, 5, 20, 8};
const Rect kCaret{30, 4, 1, 12};
const Rect kBlank{0, 0, 0, 0};

struct Grab {
    std::int64_t ms;
    std::vector<Rect> painted;
    int width = kWidth;
};

struct SettlingCase {
    const char* name;
    std::vector<Grab> grabs;
    PictureSettling::Options options;
    bool settled;
    std::int64_t sinceMs;
    std::optional<Rect> caret;
};

PictureSettling::Options Options(int caretWidth = 4, std::vector<Rect> masks = {}) {
    PictureSettling::Options options;
    options.settleNanoseconds = 1500 * kMs;
    options.caretMaxWidth = caretWidth;
    options.caretMaxHeight = 48;
    options.masks = std::move(masks);
    return options;
}

// Grabs every 10 ms from `from` to `to`, all showing the same areas.
std::vector<Grab> Hold(std::int64_t from, std::int64_t to, std::vector<Rect> painted,
                       int width = kWidth) {
    std::vector<Grab> grabs;
    for (std::int64_t ms = from; ms <= to; ms += 10) {
        grabs.push_back({ms, painted, width});
    }
    return grabs;
}

std::vector<Grab> Then(std::vector<Grab> first, const std::vector<Grab>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// A caret that shows for 500 ms and hides for 500 ms, from `from` on, over painted text.
std::vector<Grab> Blinking(std::int64_t from, std::int64_t to, bool startsShown = true) {
    std::vector<Grab> grabs;
    for (std::int64_t ms = from; ms <= to; ms += 10) {
        const bool shown = (((ms - from) / 500) % 2 == 0) == startsShown;
        grabs.push_back({ms, shown ? std::vector<Rect>{kText, kCaret} : std::vector<Rect>{kText}});
    }
    return grabs;
}

class PictureSettlingTest : public testing::TestWithParam<SettlingCase> {};

TEST_P(PictureSettlingTest, SettlesOnTheFirstGrabOfTheLastingPicture) {
    const SettlingCase& test = GetParam();
    PictureSettling settling(test.options);
    for (const Grab& grab : test.grabs) {
        ASSERT_FALSE(settling.Settled()) << "settled before the grab at " << grab.ms << " ms";
        settling.Add(grab.ms * kMs, Painted(grab.painted, grab.width));
    }
    EXPECT_EQ(settling.Settled(), test.settled);
    if (test.settled) {
        EXPECT_EQ(settling.SettledSince(), test.sinceMs * kMs);
    }
    EXPECT_EQ(settling.Caret(), test.caret);
}

// Each sequence stops at the grab that settles it (or at its end, if it never settles).
INSTANTIATE_TEST_SUITE_P(
    Sequences, PictureSettlingTest,
    testing::Values(
        SettlingCase{"OnePictureFromTheStart", Hold(0, 1500, {kText}), Options(), true, 0, {}},
        SettlingCase{
            "NotYetAfterLessThanThePeriod", Hold(0, 1490, {kText}), Options(), false, 0, {}},
        SettlingCase{"BlankThenPainted",
                     Then(Hold(0, 40, {}), Hold(50, 1550, {kText})),
                     Options(),
                     true,
                     50,
                     {}},
        SettlingCase{"PaintedInTwoSteps",
                     Then(Then(Hold(0, 20, {}), Hold(30, 60, {Rect{0, 0, 40, 15}})),
                          Hold(70, 1570, {Rect{0, 0, 40, 15}, Rect{0, 15, 40, 15}})),
                     Options(),
                     true,
                     70,
                     {}},
        SettlingCase{"CaretShownFirst", Then(Hold(0, 90, {}), Blinking(100, 1600)), Options(), true,
                     100, kCaret},
        SettlingCase{"CaretHiddenFirst", Then(Hold(0, 90, {}), Blinking(100, 1600, false)),
                     Options(), true, 100, kCaret},
        // A thin area painted once, late, is part of the window, not a caret.
        SettlingCase{"LateThinPaint",
                     Then(Hold(0, 200, {kText}), Hold(210, 1710, {kText, kCaret})),
                     Options(),
                     true,
                     210,
                     {}},
        SettlingCase{"NoCaretWhenTheLimitIsZero",
                     Then(Hold(0, 90, {}), Blinking(100, 3000)),
                     Options(0),
                     false,
                     0,
                     {}},
        SettlingCase{"MaskedAreaIgnored",
                     Then(Hold(0, 90, {}), Blinking(100, 1600)),
                     Options(0, {Rect{28, 0, 6, 30}}),
                     true,
                     100,
                     {}},
        SettlingCase{"ResizeIsAChange",
                     Then(Hold(0, 90, {kText}), Hold(100, 1600, {kText}, kWidth - 1)),
                     Options(),
                     true,
                     100,
                     {}}),
    [](const testing::TestParamInfo<SettlingCase>& row) { return row.param.name; });

TEST(PictureSettlingHistory, ReportsADroppedStartOfTheSettledRun) {
    PictureSettling::Options options = Options();
    options.maxPictures = 3;
    PictureSettling settling(options);
    for (std::int64_t ms = 0; ms <= 2000; ms += 250) {
        const bool shown = (ms / 250) % 2 == 0;
        settling.Add(ms * kMs,
                     Painted(shown ? std::vector<Rect>{kText, kCaret} : std::vector<Rect>{kText}));
    }
    EXPECT_TRUE(settling.LostHistory());
    EXPECT_EQ(settling.Pictures(), 9u);
}

}  // namespace
