#include "web/page_shell.h"

#include "form/control_layout.h"
#include "form/form_layout.h"
#include "form/list_group.h"
#include "web/focus_order.h"
#include "web/html_text.h"
#include "web/list_markup.h"
#include "web/page_style.h"

namespace {

std::string DescriptionId(const ControlLayout& control) {
    return ::DescriptionId(ControlName(control.ref()));
}

// The attributes every focusable control has: its id, its place in the focus order, its
// accessible name where the table gives one and its description.
std::string CommonAttributes(const ControlLayout& control) {
    std::string html = " id=\"" + ControlName(control.ref()) + '"';
    if (control.tabPosition) {
        // Positive and in the table's order, so Tab goes round as on the desktop while the
        // elements stay in the order that puts each control over the caption it overlaps.
        html += " tabindex=\"" + std::to_string(*control.tabPosition + 1) + '"';
        // The focus starts in the first control of the order, as the page opens.
        if (&control == kFirstInFocusOrder) {
            html += " autofocus";
        }
    }
    if (!control.accessible.name.empty()) {
        html += " aria-label=\"" + HtmlText(control.accessible.name) + '"';
    }
    if (!control.accessible.description.empty()) {
        html += " aria-describedby=\"" + DescriptionId(control) + '"';
    }
    return html;
}

std::string ControlMarkup(const MainForm& form, const ControlLayout& control) {
    const std::string attributes = CommonAttributes(control);
    switch (control.kind) {
        case ControlKind::Label: {
            const ControlLayout* labelled = FindControl(control.accessible.labelFor);
            if (labelled != nullptr && labelled->kind == ControlKind::InputLine) {
                return "<label class=\"label\"" + attributes + " for=\"" +
                       ControlName(labelled->ref()) + "\">" + HtmlText(control.caption) +
                       "</label>";
            }
            return "<div class=\"label\"" + attributes + '>' + HtmlText(control.caption) + "</div>";
        }
        case ControlKind::List: {
            std::string html = "<div class=\"list\" role=\"listbox\"" + attributes;
            for (const ControlLayout& heading : kControlLayout) {
                if (heading.accessible.labelFor == control.ref()) {
                    html += " aria-labelledby=\"" + ControlName(heading.ref()) + '"';
                }
            }
            const ListBox& list = form.List(ListGroupOf(control), control.index);
            if (list.HasRow(list.ListIndex())) {
                html += " aria-activedescendant=\"" +
                        RowId(ControlName(control.ref()), list.ListIndex()) + '"';
            }
            return html + '>' + RowsMarkup(ControlName(control.ref()), list) + "</div>";
        }
        case ControlKind::InputLine:
            return "<input type=\"text\" class=\"input\"" + attributes +
                   " autocomplete=\"off\" spellcheck=\"false\" value=\"" +
                   HtmlText(form.Text2(control.index).Text()) + "\">";
        case ControlKind::ExplanationBox:
            return "<textarea class=\"explanation\"" + attributes + " readonly>" +
                   HtmlText(control.caption) + "</textarea>";
        case ControlKind::Button:
            return "<button type=\"button\" class=\"button\"" + attributes + '>' +
                   HtmlText(control.caption) + "</button>";
    }
    return {};
}

}  // namespace

std::string PageShell(const MainForm& form, std::string_view iconBase64) {
    std::string html =
        "<!doctype html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"google\" content=\"notranslate\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    AppendHtmlText(html, kFormLayout.webAddress);
    html += ' ';
    AppendHtmlText(html, kFormLayout.title);
    html += "</title>\n<link rel=\"icon\" href=\"data:image/png;base64,";
    html += iconBase64;
    html += "\">\n<style>" + PageStyle() + "</style>\n</head>\n<body>\n<div id=\"MainForm\">\n";
    // In creation order: a later control covers an earlier one where they overlap. Hidden
    // controls are not on the page at all.
    for (const ControlLayout& control : kControlLayout) {
        if (control.visible) {
            html += ControlMarkup(form, control) + '\n';
        }
    }
    html += "</div>\n<script>" + FitFormScript() + "</script>\n";
    html +=
        "<div id=\"announcement\" class=\"spoken\" role=\"status\" "
        "aria-live=\"polite\"></div>\n";
    for (const ControlLayout& control : kControlLayout) {
        if (control.visible && !control.accessible.description.empty()) {
            html += "<span id=\"" + DescriptionId(control) + "\" hidden>" +
                    HtmlText(control.accessible.description) + "</span>\n";
        }
    }
    html += "{{{ SCRIPT }}}\n</body>\n</html>\n";
    return html;
}
