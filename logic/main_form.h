#pragma once

#include <array>
#include <cstddef>

#include "logic/control_index.h"
#include "logic/list_box.h"
#include "logic/text_box.h"

// The cipher form: the list and text controls that hold all of the program's data, and the
// procedures that the window's events run on them. It draws nothing and knows no toolkit; the
// window shows what it holds and hands the user's gestures to its handlers.
class MainForm final {
  public:
    static constexpr ControlIndex kTableListCount = 7;
    static constexpr ControlIndex kResultListCount = 4;
    static constexpr std::size_t kInputMaxLength = 40;

    // The two list groups whose selections are linked row by row.
    enum class ListGroup { Results, Table };

    // The form as the window creates it: the table lists hold their design-time rows, the
    // result lists are empty, the input line reads "AFFINECIPHER" and nothing is selected.
    MainForm();

    // Controls by array index. An index outside the array throws std::out_of_range.
    ListBox& List1(ControlIndex index) { return list1_.at(Slot(index)); }
    const ListBox& List1(ControlIndex index) const { return list1_.at(Slot(index)); }
    ListBox& List2(ControlIndex index) { return list2_.at(Slot(index)); }
    const ListBox& List2(ControlIndex index) const { return list2_.at(Slot(index)); }
    TextBox& Text2(ControlIndex index) { return text2_.at(Slot(index)); }
    const TextBox& Text2(ControlIndex index) const { return text2_.at(Slot(index)); }

    ListBox& List(ListGroup group, ControlIndex index);
    const ListBox& List(ListGroup group, ControlIndex index) const;
    static ControlIndex ListCount(ListGroup group);

    // Start-up.
    void Form_Load();
    void FillTable();

    // The work behind the buttons.
    void EncryptText();
    void ClearAll();

    // Event handlers. An index outside the handler's control array does nothing.
    void Command1_Click(ControlIndex Index);
    void List1_Click(ControlIndex Index);
    void List2_Click(ControlIndex Index);

    // A user's selection of a row: the list selects it and its group's click handler runs, as a
    // mouse click or a keyboard move in the list would do. A user can only pick a row the list
    // has, so any other row, or a list outside the group, leaves everything as it is.
    void UserSelectsRow(ListGroup group, ControlIndex index, int row);

  private:
    // Appends the numbers "0" to "25" to the hidden number list.
    void NumberTheAlphabet();

    static std::size_t Slot(ControlIndex index) {
        return static_cast<std::size_t>(static_cast<int>(index));
    }

    std::array<ListBox, kResultListCount> list1_;
    std::array<ListBox, kTableListCount> list2_;
    std::array<TextBox, 1> text2_;
};
