#include "logic/text_edit.h"

#include <algorithm>

#include "logic/text_routines.h"

TextEdit EditBetween(std::u16string_view before, std::u16string_view after, std::size_t cursor,
                     std::size_t editStart) {
    cursor = std::min(cursor, after.size());
    std::size_t tail = 0;
    while (tail < before.size() && tail < after.size() - cursor &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    std::size_t from = 0;
    while (from < before.size() - tail && from < cursor && before[from] == after[from]) {
        ++from;
    }
    from = std::min(from, editStart);
    if (from < before.size() - tail) {
        from -= InsidePair(before, from) ? 1U : 0U;
        tail -= InsidePair(before, before.size() - tail) ? 1U : 0U;
    }
    return {from, before.size() - from - tail, after.substr(from, after.size() - from - tail)};
}
