#pragma once

#include <string>
#include <string_view>

// The page's text as HTML: UTF-8, with the characters that markup gives a meaning escaped, so a
// caption or a cell reads as the same text in an element's content and in an attribute.
void AppendHtmlText(std::string& html, std::u16string_view text);
std::string HtmlText(std::u16string_view text);
