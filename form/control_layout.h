#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "form/explanatory_texts.h"
#include "logic/control_index.h"
#include "logic/table_headings.h"

// One row of the window's control table: which control it is, where it stands, what it shows,
// where it comes in the focus order and what assistive technology reads of it. What each kind of
// control does is left to its widget. No toolkit type appears here, so that any view of the form
// can be built from the table.
enum class ControlKind { Label, List, InputLine, ExplanationBox, Button };

// A control of the window by its array and index, as List2(4); an empty array names none.
struct ControlRef final {
    std::string_view name{};
    ControlIndex index = 0;

    constexpr bool operator==(const ControlRef&) const = default;
};

// A control's name in a view of the form, its array and index as in "List2_4": the window's
// object name for it.
inline std::string ControlName(ControlRef control) {
    return std::string(control.name) + '_' + std::to_string(control.index);
}

// What a screen reader says of a control beyond what the window shows; empty where it has
// nothing to add.
struct AccessibleColumns final {
    // The control's name, where the caption that labels it does not give it: the explanation box
    // is named for what it is (a name taken from its first line would be spoken twice, once as
    // the name and once as the line), and the input line by its prompt without the colon, which
    // points at the field on screen and spoken is noise.
    std::u16string_view name{};
    // What the name leaves open: what a column holds, which tells the two "mod 26" columns
    // apart, what a button does, the input line's limit.
    std::u16string_view description{};
    // A list's heading as spoken before its cell when a row is read across its group: the
    // table's headings in lower case; for the results short words in place of "код - шифър"
    // and the abbreviated "изх. текст". A list without one is not read across.
    std::u16string_view spokenHeading{};
    // For a caption: the control it labels, whose name it gives, and beside which braille shows
    // it (each list the heading above it, the input line the prompt beside it).
    ControlRef labelFor{};
};

struct ControlLayout final {
    std::string_view name;  // the control array, "List2"
    ControlIndex index;     // the place in that array
    ControlKind kind;
    // Twips from the top-left corner of the window's client area; 15 twips are one pixel at 96
    // dots per inch (FormScale).
    int left;
    int top;
    int width;
    int height;
    // The caption of a label or button, or the text of an explanation box. Lists and the input
    // line take their contents from the form model.
    std::u16string_view caption;
    std::optional<std::uint32_t> background;  // 0xRRGGBB; none for the system colours
    std::optional<int> tabPosition;           // place in the focus order; none takes no focus
    bool visible;
    AccessibleColumns accessible{};

    constexpr ControlRef ref() const { return {name, index}; }
};

inline constexpr std::uint32_t kTitleColour = 0xFFC080;
inline constexpr std::uint32_t kTableHeadingColour = 0xFFE0C0;
inline constexpr std::uint32_t kResultHeadingColour = 0x8080FF;
inline constexpr std::uint32_t kEncryptColour = 0x00FF00;
inline constexpr std::uint32_t kClearColour = 0xFF0000;

namespace control_layout_detail {

using K = ControlKind;
inline constexpr bool kShown = true;
inline constexpr bool kHidden = false;
inline constexpr std::nullopt_t kSystem = std::nullopt;
inline constexpr std::nullopt_t kNoFocus = std::nullopt;

}  // namespace control_layout_detail

// Every control of the window, in creation order: a later control is drawn over an earlier one
// where they overlap, so each list and the input line cover the edge of the label beside them.
// The focus order puts List2(4) last; the hidden Text1(1) and List1(3) keep their places in it
// and are skipped because they are hidden. Each caption comes before the control it labels.
// clang-format off
inline constexpr std::array<ControlLayout, 29> kControlLayout = [] {
    using namespace control_layout_detail;
    return std::array<ControlLayout, 29>{{
        {"Label1",   0, K::Label,          1200,    0, 5415,  375,
         u"Информатика - шифър със заместване, cipher Affine", kTitleColour, kNoFocus, kShown},
        {"Label1",   1, K::Label,           120,  480, 2295,  375,
         u"текст за криптиране:", kTitleColour, kNoFocus, kShown, {.labelFor = {"Text2", 0}}},
        {"Text2",    0, K::InputLine,      2400,  480, 5055,  405, u"", kSystem,  2, kShown,
         {.name = u"текст за криптиране", .description = u"най-много 40 знака"}},
        {"Label2",   0, K::Label,           120,  960,  855,  255, kTableHeadings[0], kTableHeadingColour, kNoFocus, kShown, {.labelFor = {"List2", 0}}},
        {"Label2",   1, K::Label,          1200,  960,  855,  255, kTableHeadings[1], kTableHeadingColour, kNoFocus, kShown, {.labelFor = {"List2", 1}}},
        {"Label2",   2, K::Label,          2280,  960,  855,  255, kTableHeadings[2], kTableHeadingColour, kNoFocus, kShown, {.labelFor = {"List2", 2}}},
        {"Label2",   3, K::Label,          3360,  960,  855,  255, kTableHeadings[3], kTableHeadingColour, kNoFocus, kShown, {.labelFor = {"List2", 3}}},
        {"Label2",   4, K::Label,          4440,  960,  855,  255, kTableHeadings[4], kTableHeadingColour, kNoFocus, kShown, {.labelFor = {"List2", 4}}},
        {"Label2",   5, K::Label,          5400,  960,  855,  255, kTableHeadings[5], kTableHeadingColour, kNoFocus, kShown, {.labelFor = {"List2", 5}}},
        {"Label2",   6, K::Label,          6360,  960,  855,  255, kTableHeadings[6], kTableHeadingColour, kNoFocus, kShown, {.labelFor = {"List2", 6}}},
        {"List2",    0, K::List,            120, 1200,  855, 1200, u"", kSystem,  9, kShown,
         {.description = u"номер x на буквата, от 0 до 25", .spokenHeading = u"номер"}},
        {"List2",    1, K::List,           1200, 1200,  855, 1200, u"", kSystem, 10, kShown,
         {.description = u"буквата с номер x", .spokenHeading = u"буква"}},
        {"List2",    2, K::List,           2280, 1200,  855, 1200, u"", kSystem, 11, kShown,
         {.description = u"стойността 5x+8", .spokenHeading = u"5x+8"}},
        {"List2",    3, K::List,           3360, 1200,  855, 1200, u"", kSystem, 12, kShown,
         {.description = u"5x+8 mod 26: номер y на шифровата буква", .spokenHeading = u"mod 26"}},
        {"List2",    4, K::List,           4440, 1200,  855, 1200, u"", kSystem, 15, kShown,
         {.description = u"шифровата буква с номер y", .spokenHeading = u"шифър"}},
        {"List2",    5, K::List,           5400, 1200,  855, 1200, u"", kSystem, 13, kShown,
         {.description = u"стойността 21(y-8) преди привеждане по модул 26", .spokenHeading = u"21(y-8)"}},
        {"List2",    6, K::List,           6360, 1200,  855, 1200, u"", kSystem, 14, kShown,
         {.description = u"21(y-8) mod 26: номер x на началната буква", .spokenHeading = u"mod 26"}},
        {"Label4",   0, K::Label,           120, 2520, 1335,  375, kResultHeadings[0], kResultHeadingColour, kNoFocus, kShown, {.labelFor = {"List1", 0}}},
        {"Label4",   1, K::Label,          1560, 2520, 1575,  375, kResultHeadings[1], kResultHeadingColour, kNoFocus, kShown, {.labelFor = {"List1", 1}}},
        {"Label4",   2, K::Label,          3240, 2520, 1455,  375, kResultHeadings[2], kResultHeadingColour, kNoFocus, kShown, {.labelFor = {"List1", 2}}},
        {"Label4",   3, K::Label,          6720, 2280,  615,  375, kResultHeadings[3], kResultHeadingColour, kNoFocus, kHidden, {.labelFor = {"List1", 3}}},
        {"List1",    0, K::List,            120, 2880, 1335, 1200, u"", kSystem,  5, kShown,
         {.description = u"буквите на криптирания текст, по една на ред", .spokenHeading = u"буква"}},
        {"List1",    1, K::List,           1560, 2880, 1575, 1200, u"", kSystem,  6, kShown,
         {.description = u"кодът 21(y-8) на всяка буква на текста", .spokenHeading = u"код"}},
        {"List1",    2, K::List,           3240, 2880, 1455, 1200, u"", kSystem,  7, kShown,
         {.description = u"шифровата буква на всяка буква на текста", .spokenHeading = u"шифър"}},
        {"List1",    3, K::List,           6720, 2640,  615, 1200, u"", kSystem,  8, kHidden},
        {"Command1", 0, K::Button,         4920, 3000, 1335,  495, u"Криптирай", kEncryptColour, 3, kShown,
         {.description = u"криптира текста и показва резултата буква по буква"}},
        {"Command1", 1, K::Button,         6120, 3600, 1335,  495, u"Чисти", kClearColour, 4, kShown,
         {.description = u"изчиства текста и резултата"}},
        {"Text1",    0, K::ExplanationBox,  120, 4200, 7335, 2055, kExplanationText, kSystem, 0, kShown,
         {.name = u"обяснение"}},
        {"Text1",    1, K::ExplanationBox,  600, 4680, 6735, 1815, kHiddenExplanationText, kSystem, 1, kHidden},
    }};
}();
// clang-format on

// The row of a control, or nullptr for a control the window does not have.
constexpr const ControlLayout* FindControl(ControlRef control) {
    for (const ControlLayout& layout : kControlLayout) {
        if (layout.ref() == control) {
            return &layout;
        }
    }
    return nullptr;
}

// Only a caption labels a control, and only one the window has.
static_assert([] {
    for (const ControlLayout& layout : kControlLayout) {
        const ControlRef labelled = layout.accessible.labelFor;
        if (labelled.name.empty()) {
            continue;
        }
        bool found = false;
        for (const ControlLayout& control : kControlLayout) {
            found = found || control.ref() == labelled;
        }
        if (layout.kind != ControlKind::Label || !found) {
            return false;
        }
    }
    return true;
}());
