#include "web/html_text.h"

#include "logic/utf8.h"

void AppendHtmlText(std::string& html, std::u16string_view text) {
    for (const char byte : EncodeUtf8(text)) {
        switch (byte) {
            case '&':
                html += "&amp;";
                break;
            case '<':
                html += "&lt;";
                break;
            case '>':
                html += "&gt;";
                break;
            case '"':
                html += "&quot;";
                break;
            default:
                html += byte;
        }
    }
}

std::string HtmlText(std::u16string_view text) {
    std::string html;
    AppendHtmlText(html, text);
    return html;
}
