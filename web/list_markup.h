#pragma once

#include <string>
#include <string_view>

#include "logic/list_box.h"

// The rows of a list as the page holds them: one option element for each row of the model, with
// the id "List2_4_row_3" (the list's id, "_row_", the row) and the selected row marked as such.
// A list with no rows holds a word for screen readers only, which shows nothing and is no row.
// The first markup of the page and every later change of a list's rows are written by this one
// function, so a list shows the same after either.

std::string RowId(std::string_view listId, int row);
// The hidden element holding what the control with this id is described with.
std::string DescriptionId(std::string_view controlId);
std::string RowsMarkup(std::string_view listId, const ListBox& list);
