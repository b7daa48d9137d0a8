#pragma once

#include <emscripten/val.h>

#include <string>

#include "form/control_layout.h"
#include "logic/list_box.h"

// One list of the page, a listbox element whose options are the rows of a list of the form. It
// shows what the model holds and turns a key pressed in it into the row the user asks for;
// choosing that row is the form's business.
class ListElement final {
  public:
    ListElement(const ControlLayout& layout, const ListBox& model);

    const ControlLayout& Layout() const { return layout_; }
    const std::string& Id() const { return id_; }

    // The model's rows replaced the shown ones: they are written anew and the list scrolls to
    // its top.
    void ShowRows();
    // The model's selection, shown in place: the row that was highlighted loses its mark, the new
    // one gets it and is scrolled into view. The rows themselves stay as they are. A list the user
    // is not working in (`described`) has its selected row described with what the column holds,
    // so that Tab into the list reads heading, row and column once each; the list worked in
    // names its row instead (NameSelected). The list's active row follows in a later task when
    // `activeLater` and the list had a selection before: by then the browser has told a screen
    // reader of the row's new state and name, which it reads when the active row moves.
    void ShowSelection(bool described, bool activeLater = false);
    // The active row is the selected row.
    void ShowActiveRow();
    // The list loses the focus: its selected row is described from now on.
    void DescribeSelected();
    // The selected row is read with `words` while the list has the focus: its accessible name,
    // while the row still shows its cell. Only the one row has such a name, so a screen reader
    // building a line out of the list's rows reads the cells.
    void NameSelected(const std::u16string& words);
    void Unname();

    // The row a key asks for: Up and Down move by a row, Page Up and Page Down by the rows shown
    // whole, Home and End to the ends, and a typed character to the next row that starts with
    // what was typed. -1 for a key that chooses no row.
    int RowForKey(const emscripten::val& event);
    // The row of an option element of this list, -1 for anything else.
    int RowOf(const emscripten::val& option) const;

  private:
    int SearchTarget(const std::u16string& typed, double time);
    void ScrollIntoView(int row);
    emscripten::val Row(int row) const;

    const ControlLayout& layout_;
    const ListBox& model_;
    std::string id_;
    emscripten::val element_;
    int shownSelection_;
    int namedRow_ = ListBox::kNoSelection;
    int describedRow_ = ListBox::kNoSelection;
    std::u16string search_;
    double lastTyped_ = -1e9;
};
