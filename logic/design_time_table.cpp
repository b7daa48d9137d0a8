#include "logic/design_time_table.h"

// The rows as the window's description holds them, written out rather than computed: the load
// sequence clears them and computes them again.
const DesignTimeTable kDesignTimeTable = {{
    {u"0", u"A", u"8", u"8", u"I", u"0", u"0"},
    {u"1", u"B", u"13", u"13", u"N", u"105", u"1"},
    {u"2", u"C", u"18", u"18", u"S", u"210", u"2"},
    {u"3", u"D", u"23", u"23", u"X", u"315", u"3"},
    {u"4", u"E", u"28", u"2", u"C", u"-126", u"4"},
    {u"5", u"F", u"33", u"7", u"H", u"-21", u"5"},
    {u"6", u"G", u"38", u"12", u"M", u"84", u"6"},
    {u"7", u"H", u"43", u"17", u"R", u"189", u"7"},
    {u"8", u"I", u"48", u"22", u"W", u"294", u"8"},
    {u"9", u"J", u"53", u"1", u"B", u"-147", u"9"},
    {u"10", u"K", u"58", u"6", u"G", u"-42", u"10"},
    {u"11", u"L", u"63", u"11", u"L", u"63", u"11"},
    {u"12", u"M", u"68", u"16", u"Q", u"168", u"12"},
    {u"13", u"N", u"73", u"21", u"V", u"273", u"13"},
    {u"14", u"O", u"78", u"0", u"A", u"-168", u"14"},
    {u"15", u"P", u"83", u"5", u"F", u"-63", u"15"},
    {u"16", u"Q", u"88", u"10", u"K", u"42", u"16"},
    {u"17", u"R", u"93", u"15", u"P", u"147", u"17"},
    {u"18", u"S", u"98", u"20", u"U", u"252", u"18"},
    {u"19", u"T", u"103", u"25", u"Z", u"357", u"19"},
    {u"20", u"U", u"108", u"4", u"E", u"-84", u"20"},
    {u"21", u"V", u"113", u"9", u"J", u"21", u"21"},
    {u"22", u"W", u"118", u"14", u"O", u"126", u"22"},
    {u"23", u"X", u"123", u"19", u"T", u"231", u"23"},
    {u"24", u"Y", u"128", u"24", u"Y", u"336", u"24"},
    {u"25", u"Z", u"133", u"3", u"D", u"-105", u"25"},
}};
