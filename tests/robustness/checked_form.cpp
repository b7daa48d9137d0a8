#include "tests/robustness/checked_form.h"

#include <algorithm>
#include <exception>

#include "tests/robustness/cipher_oracle.h"
#include "tests/robustness/printable.h"

namespace {

constexpr int kLetters = 26;

bool IsLead(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsTrail(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Whether `position` falls between the two units of one surrogate pair.
bool InsidePair(std::u16string_view text, std::size_t position) {
    return position > 0 && position < text.size() && IsLead(text[position - 1]) &&
           IsTrail(text[position]);
}

const std::array<std::array<std::u16string, 7>, kLetters>& ExpectedTable() {
    static const auto table = [] {
        std::array<std::array<std::u16string, 7>, kLetters> rows;
        for (int x = 0; x < kLetters; ++x) {
            rows[static_cast<std::size_t>(x)] = cipher_oracle::TableRow(x);
        }
        return rows;
    }();
    return table;
}

std::string ListName(MainForm::ListGroup group, int index) {
    return (group == MainForm::ListGroup::Table ? "List2(" : "List1(") + std::to_string(index) +
           ")";
}

std::string RowFault(const std::string& list, int row, std::u16string_view actual,
                     std::u16string_view expected) {
    return list + " row " + std::to_string(row) + " reads " + Printable(actual) + ", expected " +
           Printable(expected);
}

}  // namespace

CheckedForm::CheckedForm() {
    form_.Form_Load();
}

std::string CheckedForm::Apply(const FormEvent& event) {
    std::string fault;
    try {
        fault = Run(event);
    } catch (const std::exception& error) {
        return "the event threw: " + std::string(error.what());
    }
    return fault.empty() ? Check() : fault;
}

std::string CheckedForm::PlaceInput(std::u16string text) {
    form_.Text2(0).SetText(text);
    input_ = std::move(text);
    justEncrypted_ = false;
    return Check();
}

std::string CheckedForm::Run(const FormEvent& event) {
    justEncrypted_ = false;
    const ControlIndex count = MainForm::ListCount(event.group);
    const bool listExists = event.index >= 0 && event.index < count;
    switch (event.kind) {
        case FormEvent::Kind::ButtonClick:
            form_.Command1_Click(event.index);
            if (event.index == 0) {
                letters_ = cipher_oracle::KeptLetters(input_);
                input_ = letters_;
                resultSelection_.fill(-1);
                buttonClicked_ = justEncrypted_ = true;
                reached_.longEncryptions += letters_.size() > kLetters ? 1 : 0;
            } else if (event.index == 1) {
                letters_.clear();
                input_.clear();
                resultSelection_.fill(-1);
                tableSelection_.fill(-1);
                buttonClicked_ = true;
            }
            return {};
        case FormEvent::Kind::UserSelectsRow:
            form_.UserSelectsRow(event.group, event.index, event.row);
            if (listExists && ExpectedHasRow(event.group, event.index, event.row)) {
                Link(event.group, event.row);
            }
            return {};
        case FormEvent::Kind::SetSelectionThenClick:
            form_.List(event.group, event.index).SetListIndex(event.row);
            ExpectedSelection(event.group, event.index) =
                ExpectedHasRow(event.group, event.index, event.row) ? event.row : -1;
            [[fallthrough]];
        case FormEvent::Kind::ClickOnly:
            if (event.group == Group::Table) {
                form_.List2_Click(event.index);
            } else {
                form_.List1_Click(event.index);
            }
            if (listExists) {
                Link(event.group, ExpectedSelection(event.group, event.index));
            }
            return {};
        case FormEvent::Kind::UserEdit: {
            const std::u16string before = form_.Text2(0).Text();
            const std::size_t kept =
                form_.Text2(0).ReplaceRange(event.from, event.count, event.inserted);
            const std::size_t from = std::min(event.from, before.size());
            const std::size_t end = from + std::min(event.count, before.size() - from);
            reached_.editsInsidePairs += InsidePair(before, from) || InsidePair(before, end);
            reached_.cutInsertions += kept < event.inserted.size();
            input_ = form_.Text2(0).Text();
            return CheckEdit(before, event, kept);
        }
    }
    return {};
}

// The edit must have replaced the requested range, moved by one unit only where an end of it fell
// inside a surrogate pair, by the longest prefix of the inserted text that keeps the line within
// its limit and does not end inside a pair.
std::string CheckedForm::CheckEdit(const std::u16string& before, const FormEvent& event,
                                   std::size_t kept) const {
    const std::u16string& after = form_.Text2(0).Text();
    const std::u16string_view inserted = event.inserted;
    const std::size_t limit = MainForm::kInputMaxLength;
    const std::size_t from = std::min(event.from, before.size());
    const std::size_t end = from + std::min(event.count, before.size() - from);
    const auto whole = [&before](std::size_t position) {
        return InsidePair(before, position) ? std::array{position - 1, position + 1}
                                            : std::array{position, position};
    };
    // Equal units on both sides of a boundary can make more than one reading match; the edit is
    // right if one of them passes.
    std::string fault;
    for (const std::size_t start : whole(from)) {
        for (const std::size_t stop : end == from ? std::array{start, start} : whole(end)) {
            if (stop < start || after.size() + stop < start + before.size()) {
                continue;
            }
            const std::size_t used = after.size() + stop - start - before.size();
            if (used > inserted.size() || after != before.substr(0, start) +
                                                       std::u16string(inserted.substr(0, used)) +
                                                       before.substr(stop)) {
                continue;
            }
            const std::size_t nextCharacter = InsidePair(inserted, used + 1) ? 2 : 1;
            std::string reading;
            if (used != kept) {
                reading = "the edit reports " + std::to_string(kept) + " units kept but kept " +
                          std::to_string(used);
            } else if (InsidePair(inserted, used)) {
                reading = "the edit kept half of a surrogate pair of the inserted text";
            } else if (before.size() <= limit && after.size() > limit) {
                reading = "the edit made the input " + std::to_string(after.size()) + " units long";
            } else if (used < inserted.size() && after.size() + nextCharacter <= limit) {
                reading = "the edit left out inserted text that fits";
            } else {
                return {};
            }
            fault = fault.empty() ? reading : fault;
        }
    }
    if (!fault.empty()) {
        return fault;
    }
    return "the edit turned " + Printable(before) + " into " + Printable(after) +
           ", which is not the text with whole characters of the range replaced by a prefix of " +
           "the inserted text";
}

std::string CheckedForm::Check(const MainForm& form) const {
    if (form.Text2(0).Text() != input_) {
        return "the input reads " + Printable(form.Text2(0).Text()) + ", expected " +
               Printable(input_);
    }
    if (justEncrypted_) {
        for (const char16_t unit : input_) {
            if (unit < u'A' || unit > u'Z') {
                return "after an encryption the input holds " + Printable(input_);
            }
        }
    }
    std::string fault = CheckTable(form);
    if (fault.empty()) {
        fault = CheckResults(form);
    }
    if (fault.empty()) {
        fault = CheckSelections(form);
    }
    return fault;
}

std::string CheckedForm::CheckTable(const MainForm& form) {
    const auto& expected = ExpectedTable();
    for (ControlIndex k = 0; k < MainForm::kTableListCount; ++k) {
        const ListBox& list = form.List2(k);
        if (list.ListCount() != kLetters) {
            return ListName(Group::Table, k) + " has " + std::to_string(list.ListCount()) + " rows";
        }
        for (int x = 0; x < kLetters; ++x) {
            const std::u16string& want =
                expected[static_cast<std::size_t>(x)][static_cast<std::size_t>(k)];
            if (list.List(x) != want) {
                return RowFault(ListName(Group::Table, k), x, list.List(x), want);
            }
        }
    }
    return {};
}

std::string CheckedForm::CheckResults(const MainForm& form) const {
    const auto rows = static_cast<int>(letters_.size());
    for (ControlIndex j = 0; j < 3; ++j) {
        if (form.List1(j).ListCount() != rows) {
            return ListName(Group::Results, j) + " has " +
                   std::to_string(form.List1(j).ListCount()) + " rows, expected " +
                   std::to_string(rows) + " for " + Printable(letters_);
        }
    }
    for (int r = 0; r < rows; ++r) {
        // The letter's own row of the expected table holds the letter, its code and its cipher
        // letter.
        const auto& row =
            ExpectedTable()[static_cast<std::size_t>(letters_[static_cast<std::size_t>(r)] - u'A')];
        const std::array<const std::u16string*, 3> want = {&row[1], &row[5], &row[4]};
        for (ControlIndex j = 0; j < 3; ++j) {
            const std::u16string& actual = form.List1(j).List(r);
            if (actual != *want[static_cast<std::size_t>(j)]) {
                return RowFault(ListName(Group::Results, j), r, actual,
                                *want[static_cast<std::size_t>(j)]);
            }
        }
    }
    const ListBox& numbers = form.List1(3);
    if (numbers.ListCount() != ExpectedRows(Group::Results, 3)) {
        return "List1(3) has " + std::to_string(numbers.ListCount()) + " rows";
    }
    for (int r = 0; r < numbers.ListCount(); ++r) {
        const std::u16string& number = ExpectedTable()[static_cast<std::size_t>(r)][0];
        if (numbers.List(r) != number) {
            return RowFault("List1(3)", r, numbers.List(r), number);
        }
    }
    return {};
}

std::string CheckedForm::CheckSelections(const MainForm& form) const {
    for (const Group group : {Group::Table, Group::Results}) {
        int shared = -1;
        for (ControlIndex j = 0; j < MainForm::ListCount(group); ++j) {
            const ListBox& list = form.List(group, j);
            const int selected = list.ListIndex();
            if (selected != -1 && !list.HasRow(selected)) {
                return ListName(group, j) + " selects row " + std::to_string(selected) + " of " +
                       std::to_string(list.ListCount());
            }
            if (selected != -1 && shared != -1 && selected != shared) {
                return ListName(group, j) + " selects row " + std::to_string(selected) +
                       " while another list of its group selects row " + std::to_string(shared);
            }
            shared = selected == -1 ? shared : selected;
        }
        for (ControlIndex j = 0; j < MainForm::ListCount(group); ++j) {
            const ListBox& list = form.List(group, j);
            if (shared != -1 && list.HasRow(shared) && list.ListIndex() != shared) {
                return ListName(group, j) + " does not select row " + std::to_string(shared) +
                       " that the rest of its group selects";
            }
            if (list.ListIndex() != ExpectedSelection(group, j)) {
                return ListName(group, j) + " selects row " + std::to_string(list.ListIndex()) +
                       ", expected " + std::to_string(ExpectedSelection(group, j));
            }
        }
    }
    return {};
}

int CheckedForm::ExpectedRows(Group group, int index) const {
    if (group == Group::Table) {
        return kLetters;
    }
    if (index == 3) {
        return buttonClicked_ ? kLetters : 0;
    }
    return static_cast<int>(letters_.size());
}

bool CheckedForm::ExpectedHasRow(Group group, int index, int row) const {
    return row >= 0 && row < ExpectedRows(group, index);
}

void CheckedForm::Link(Group group, int row) {
    reached_.rowsPastNumberList += group == Group::Results && row >= kLetters;
    for (ControlIndex j = 0; j < MainForm::ListCount(group); ++j) {
        ExpectedSelection(group, j) = ExpectedHasRow(group, j, row) ? row : -1;
    }
}

int& CheckedForm::ExpectedSelection(Group group, int index) {
    return group == Group::Table ? tableSelection_.at(static_cast<std::size_t>(index))
                                 : resultSelection_.at(static_cast<std::size_t>(index));
}

int CheckedForm::ExpectedSelection(Group group, int index) const {
    return group == Group::Table ? tableSelection_.at(static_cast<std::size_t>(index))
                                 : resultSelection_.at(static_cast<std::size_t>(index));
}
