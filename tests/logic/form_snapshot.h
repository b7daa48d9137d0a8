#pragma once

#include <array>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "logic/main_form.h"
#include "logic/utf8.h"

// Everything the cipher form holds at one moment: the rows and selection of every list and the
// input line. Tests compare whole snapshots, so that a change anywhere in the form shows up.
struct FormSnapshot final {
    struct List final {
        std::vector<std::u16string> rows;
        int listIndex = ListBox::kNoSelection;
        bool operator==(const List&) const = default;
    };

    explicit FormSnapshot(const MainForm& form) : input(form.Text2(0).Text()) {
        for (ControlIndex j = 0; j < MainForm::kResultListCount; ++j) {
            results[static_cast<std::size_t>(j)] = {form.List1(j).Rows(),
                                                    form.List1(j).ListIndex()};
        }
        for (ControlIndex k = 0; k < MainForm::kTableListCount; ++k) {
            table[static_cast<std::size_t>(k)] = {form.List2(k).Rows(), form.List2(k).ListIndex()};
        }
    }
    bool operator==(const FormSnapshot&) const = default;

    std::array<List, MainForm::kResultListCount> results;
    std::array<List, MainForm::kTableListCount> table;
    std::u16string input;
};

inline void PrintTo(const FormSnapshot& snapshot, std::ostream* out) {
    *out << "input \"" << EncodeUtf8(snapshot.input) << "\"; result lists (rows/selected):";
    for (const auto& list : snapshot.results) {
        *out << ' ' << list.rows.size() << '/' << list.listIndex;
    }
    *out << "; table lists:";
    for (const auto& list : snapshot.table) {
        *out << ' ' << list.rows.size() << '/' << list.listIndex;
    }
}

// The form as the user first meets it, loaded, with the given text in the input line.
inline MainForm LoadedForm(std::u16string input = u"AFFINECIPHER") {
    MainForm form;
    form.Form_Load();
    form.Text2(0).SetText(std::move(input));
    return form;
}

// One row per unit of `text`, the way the result lists hold the letters of a text.
inline std::vector<std::u16string> OneRowPerUnit(std::u16string_view text) {
    std::vector<std::u16string> rows;
    for (const char16_t unit : text) {
        rows.emplace_back(1, unit);
    }
    return rows;
}

inline std::u16string Widened(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

// "0" to "25", the rows of the hidden number list once either button has been clicked.
inline std::vector<std::u16string> AlphabetNumbers() {
    std::vector<std::u16string> rows;
    for (int j = 0; j <= 25; ++j) {
        rows.push_back(Widened(std::to_string(j)));
    }
    return rows;
}
