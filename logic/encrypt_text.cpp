#include "logic/main_form.h"

#include <string>

#include "logic/text_routines.h"

void MainForm::EncryptText() {
    std::u16string t = UpperCase(Text2(0).Text());
    Text2(0).SetText(t);
    std::size_t n = t.size();
    t.clear();
    const std::u16string& upper = Text2(0).Text();
    for (std::size_t i = 1; i <= n; ++i) {
        const char16_t ch = upper[i - 1];
        if (!(ch > u'Z') && !(ch < u'A')) {
            t += ch;
        }
    }
    Text2(0).SetText(t);
    n = t.size();
    for (ControlIndex j = 0; j <= 3; ++j) {
        List1(j).Clear();
    }
    NumberTheAlphabet();
    for (std::size_t i = 1; i <= n; ++i) {
        const std::u16string ch(1, t[i - 1]);
        List1(0).AddItem(ch);
        const auto k = static_cast<std::int16_t>(CodeOfLetter(ch) - kLetterA);
        List1(1).AddItem(List2(5).List(k));
        List1(2).AddItem(List2(4).List(k));
    }
}
