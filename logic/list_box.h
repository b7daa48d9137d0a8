#pragma once

#include <string>
#include <vector>

// The model of one list control: its rows in display order and the selected row.
// It knows nothing of click handlers; whoever turns a user's gesture into a selection runs them.
class ListBox final {
  public:
    static constexpr int kNoSelection = -1;

    void Clear();
    void AddItem(std::u16string text);

    // The text of the given row; a row the list does not have reads as an empty text.
    const std::u16string& List(int row) const;
    int ListCount() const { return static_cast<int>(rows_.size()); }
    const std::vector<std::u16string>& Rows() const { return rows_; }

    int ListIndex() const { return listIndex_; }
    // Selects a row from code. A row the list does not have leaves the list with no selection,
    // so the list never points past its own end.
    void SetListIndex(int row);

    bool HasRow(int row) const { return row >= 0 && row < ListCount(); }

  private:
    std::vector<std::u16string> rows_;
    int listIndex_ = kNoSelection;
};
