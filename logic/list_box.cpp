#include "logic/list_box.h"

#include <utility>

void ListBox::Clear() {
    rows_.clear();
    listIndex_ = kNoSelection;
}

void ListBox::AddItem(std::u16string text) {
    rows_.push_back(std::move(text));
}

const std::u16string& ListBox::List(int row) const {
    static const std::u16string kMissingRow;
    return HasRow(row) ? rows_[static_cast<std::size_t>(row)] : kMissingRow;
}

void ListBox::SetListIndex(int row) {
    listIndex_ = HasRow(row) ? row : kNoSelection;
}
