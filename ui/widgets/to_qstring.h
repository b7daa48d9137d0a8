#pragma once

#include <QString>
#include <string_view>

// The one way a text of the form model, or of the window's own tables, becomes a Qt string: both
// are UTF-16, so the units are taken over as they are, lone halves of a character included.
inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
