// affine-table: the cipher form's reference table, or the encryption of a text, on a terminal.

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "logic/main_form.h"
#include "logic/table_headings.h"
#include "logic/text_routines.h"
#include "logic/utf8.h"

namespace {

constexpr std::string_view kUsage =
    "usage: affine-table [TEXT...]\n"
    "\n"
    "With no TEXT, prints the reference table of the affine cipher with the key a = 5, b = 8:\n"
    "a heading line, then one line for each letter A to Z, the seven columns separated by tabs.\n"
    "\n"
    "With TEXT (the arguments joined by one blank), enciphers it as the window does: the text is\n"
    "upper-cased and only the letters A to Z are kept, at most 40 characters are taken. Prints\n"
    "the enciphered letters on the first line, then one line for each of them: the letter, its\n"
    "code and its cipher letter, separated by tabs. Output is UTF-8.\n"
    "\n"
    "  --help  print this text\n"
    "  --      take every following argument as text\n";

void PrintRow(std::string& out, const MainForm& form, MainForm::ListGroup group, int columns,
              int row) {
    for (ControlIndex k = 0; k < columns; ++k) {
        if (k > 0) {
            out += '\t';
        }
        out += EncodeUtf8(form.List(group, k).List(row));
    }
    out += '\n';
}

std::string TableReport(const MainForm& form) {
    std::string out;
    for (std::size_t k = 0; k < kTableHeadings.size(); ++k) {
        out += k > 0 ? "\t" : "";
        out += EncodeUtf8(kTableHeadings[k]);
    }
    out += '\n';
    for (int row = 0; row < form.List2(0).ListCount(); ++row) {
        PrintRow(out, form, MainForm::ListGroup::Table, MainForm::kTableListCount, row);
    }
    return out;
}

std::string EncryptionReport(const MainForm& form) {
    std::string out = EncodeUtf8(form.Text2(0).Text()) + '\n';
    for (int row = 0; row < form.List1(0).ListCount(); ++row) {
        PrintRow(out, form, MainForm::ListGroup::Results, 3, row);
    }
    return out;
}

std::size_t CharacterCount(std::u16string_view text) {
    std::size_t count = 0;
    for (std::size_t position = 0; position < text.size(); ++count) {
        NextCodePoint(text, position);
    }
    return count;
}

bool Flushed() {
    if (std::cout.flush()) {
        return true;
    }
    std::fprintf(stderr, "affine-table: could not write the output\n");
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    if (argc > 1 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::cout << kUsage;
        return Flushed() ? 0 : 1;
    }
    if (argc > 1 && std::string_view(argv[1]) == "--") {
        first = 2;
    }

    MainForm form;
    form.Form_Load();
    std::string report;
    if (first >= argc) {
        report = TableReport(form);
    } else {
        std::u16string text;
        for (int i = first; i < argc; ++i) {
            const Utf8Decoding argument = DecodeUtf8(argv[i]);
            if (!argument.valid) {
                std::cerr << "affine-table: argument " << i << " is not valid UTF-8 (byte "
                          << argument.errorOffset + 1 << " starts an ill-formed sequence)\n";
                return 2;
            }
            if (i > first) {
                text += u' ';
            }
            text += argument.text;
        }
        TextBox& input = form.Text2(0);
        const std::size_t kept = input.ReplaceRange(0, input.Text().size(), text);
        if (kept < text.size()) {
            std::cerr << "affine-table: the input line holds at most " << input.MaxLength()
                      << " UTF-16 units; the text was cut after its first "
                      << CharacterCount(std::u16string_view(text).substr(0, kept))
                      << " characters\n";
        }
        form.Command1_Click(0);
        report = EncryptionReport(form);
    }
    std::cout << report;
    return Flushed() ? 0 : 1;
}
