#include "logic/key_table.h"

#include "logic/table_headings.h"
#include "logic/text_routines.h"

KeyTableTexts KeyTableHeadings(const AffineKey& key) {
    KeyTableTexts headings;
    for (std::size_t k = 0; k < kKeyTableColumnCount; ++k) {
        headings[k] = kTableHeadings[k];
    }
    headings[2] = NumberText(key.Factor()) + u"x+" + NumberText(key.Shift());
    headings[5] = NumberText(key.InverseFactor()) + u"(y-" + NumberText(key.Shift()) + u")";
    return headings;
}

KeyTableTexts KeyTableRow(const AffineKey& key, int x) {
    const int y = key.Encipher(x);
    return {NumberText(x), LetterFromCode(kLetterA + x), NumberText(key.Factor() * x + key.Shift()),
            NumberText(y), LetterFromCode(kLetterA + y), NumberText(key.DecipherCode(y)),
            NumberText(x)};
}
