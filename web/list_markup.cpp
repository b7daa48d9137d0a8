#include "web/list_markup.h"

#include "form/spoken_words.h"
#include "web/html_text.h"

std::string RowId(std::string_view listId, int row) {
    std::string id(listId);
    id += "_row_";
    id += std::to_string(row);
    return id;
}

std::string DescriptionId(std::string_view controlId) {
    return std::string(controlId) + "_description";
}

std::string RowsMarkup(std::string_view listId, const ListBox& list) {
    std::string html;
    if (list.ListCount() == 0) {
        html += "<span class=\"spoken\">";
        AppendHtmlText(html, kEmptyList);
        html += "</span>";
    }
    for (int row = 0; row < list.ListCount(); ++row) {
        html += "<div role=\"option\" id=\"";
        html += RowId(listId, row);
        html += row == list.ListIndex() ? "\" aria-selected=\"true\">" : "\">";
        AppendHtmlText(html, list.List(row));
        html += "</div>";
    }
    return html;
}
