#pragma once

// The simple (one-to-one) upper-case mapping of a code point, as the Unicode Character Database
// gives it and ICU's u_toupper returns it: a code point without one, such as ß or any surrogate
// or code point past U+10FFFF, is returned as it is. From a table made at build time out of
// Debian's unicode-data (logic/case_mapping_table.py), so that neither the desktop program nor
// the WebAssembly build needs ICU for it.
char32_t SimpleUpperCase(char32_t codePoint);
