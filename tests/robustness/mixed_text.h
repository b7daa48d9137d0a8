#pragma once

#include <cstddef>
#include <string>

#include "tests/robustness/choice_source.h"

// A text of about `maxUnits` UTF-16 units at most (a final piece may run up to three units over),
// mixing what users type and paste: Latin letters of both cases (more than any other piece, so
// that encryptions have letters to work on), digits, punctuation, line breaks, Cyrillic, Latin
// letters with diacritics and letters whose upper case is a Latin capital (dotless i, long s),
// combining marks, right-to-left letters and controls, characters outside the Basic Multilingual
// Plane, lone surrogate halves and arbitrary 16-bit units.
std::u16string MixedText(ChoiceSource& choices, std::size_t maxUnits);
