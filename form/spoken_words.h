#pragma once

#include <string>
#include <string_view>

#include "form/control_layout.h"
#include "logic/list_box.h"
#include "logic/main_form.h"

// What the window says to a student who does not see it, in words that every view of the form
// takes from here, so that all of them say the same; a view only hands them to its screen
// reader.

// Said when the input line's limit cut what the user typed or pasted.
inline constexpr std::u16string_view kLimitReached =
    u"Най-много 40 знака: останалото не е добавено.";

// What a list with no rows holds for the ear, where a view must give it something to read: a
// browser's screen reader says nothing at all of a list box with no children.
inline constexpr std::u16string_view kEmptyList = u"празен";

// What a click on a button of the form did: for "Криптирай" the text that was enciphered, its
// cipher text and the number of letters, or that there was nothing to encipher; for "Чисти" that
// text and results were cleared. Read from the form after the click.
inline std::u16string ButtonOutcome(const MainForm& form, ControlIndex index) {
    using Group = MainForm::ListGroup;
    if (index == 1) {
        return u"Текстът и резултатът са изчистени.";
    }
    const int count = form.List(Group::Results, 0).ListCount();
    if (count == 0) {
        return u"Нищо не е криптирано: в текста няма латински букви.";
    }
    // After an encryption the input line holds exactly the letters that were enciphered.
    std::u16string words = u"Текстът ";
    words += form.Text2(0).Text();
    words += u" е криптиран в ";
    for (const std::u16string& letter : form.List(Group::Results, 2).Rows()) {
        words += letter;
    }
    if (count == 1) {
        words += u", 1 буква.";
    } else {
        const std::string digits = std::to_string(count);
        words += u", ";
        words.append(digits.begin(), digits.end());
        words += u" букви.";
    }
    return words;
}

// A row of a list read across its group for the ear: the row's own cell first, then the same row
// of every other shown list of the same array that has a spoken heading, each after that
// heading, as in "I; номер 8, 5x+8 48, mod 26 22, шифър W, 21(y-8) 294, mod 26 8". `listOf(k)`
// gives the rows of list k of the array, as a `const ListBox&`. Empty for a row that the list
// does not have; the cell alone for a list without a spoken heading.
template <typename ListOf>
std::u16string ReadAcross(ControlRef list, int row, const ListOf& listOf) {
    const ListBox& own = listOf(list.index);
    if (!own.HasRow(row)) {
        return {};
    }
    std::u16string words = own.List(row);
    const ControlLayout* ownLayout = FindControl(list);
    if (ownLayout == nullptr || ownLayout->accessible.spokenHeading.empty()) {
        return words;
    }
    std::u16string_view separator = u"; ";
    for (const ControlLayout& column : kControlLayout) {
        if (column.name != list.name || column.index == list.index || !column.visible ||
            column.accessible.spokenHeading.empty()) {
            continue;
        }
        const ListBox& peer = listOf(column.index);
        if (peer.HasRow(row)) {
            words += separator;
            words += column.accessible.spokenHeading;
            words += u' ';
            words += peer.List(row);
            separator = u", ";
        }
    }
    return words;
}
