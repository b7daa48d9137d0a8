#pragma once

#include <string_view>

// The two explanatory texts as the read-only boxes Text1(0) and Text1(1) hold them: lines end with
// carriage return and line feed, the last one too. Adjacent literals are joined by the compiler;
// a line is split only after a blank, so each blank stays where it is in the text.

// Text1(0), 15 lines. Line 3 has two blanks before "буква" and line 15 two before "Playfear".
inline constexpr std::u16string_view kExplanationText =
    u"Информатика - шифър със заместване, cipher Affine\r\n"
    u"\r\n"
    u"Шифърът Affine е вид субституционен шифър. За всяка буква от некриптираното "
    u"съобщение има единствена съответстваща  буква от криптираното съобщение.\r\n"
    u"За следващите формули: x - номер буква от началния текст, m - отместване, K - "
    u"номер буква от криптирания текст; D - номер буква от декриптирания текст. При "
    u"изчисляване номер на буква се отчита ASCII кода на главните латински букви.\r\n"
    u"Изчисляване номер на криптирана буква: K = (5x+8) mod 26\r\n"
    u"Изчисляване номер на декриптирана буква: D = 21*(K - 8) mod 26\r\n"
    u"Буквата L съвпада в начален и криптиран текст.\r\n"
    u"Да се реализира проект, представящ вътрешнопредметни връзки в Информатика.\r\n"
    u"Тема на проекта: Информатика - шифър със заместване, cipher Affine.\r\n"
    u"Реализираният проект използва:\r\n"
    u"два командни бутона за криптиране на текста и изчистване;\r\n"
    u"текстово поле - за начален текст;\r\n"
    u"листови полета за извеждане на код и буква от некриптирания и криптирания текст.\r\n"
    u"В примерния проект всички латински букви се преобразуват в главни и при "
    u"криптиране се извежда ASCII кода на буквата. Аналогични са шифър на Ceasar е и "
    u"cipher ROT13.\r\n"
    u"Съберете допълнително информация относно методи за криптиране като: Bifid, "
    u"Hill,  Playfear, Weviner, шифър на руските нихилисти и др.\r\n";

// Text1(1), which is never shown, 3 lines; each ends with one blank.
inline constexpr std::u16string_view kHiddenExplanationText =
    u"Неприятното в това да си първият, направил нещо по \r\n"
    u"правилния начин, е, че никой не оценява колко трудно е \r\n"
    u"било. \r\n";
