// affine-table: the cipher form's reference table, or the encryption of a text, on a terminal;
// and the whole affine cipher beside it: any key, deciphering, breaking and solving for the key.

#include <unicode/ustring.h>

#include <cstdint>
#include <cstdio>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "app/cipher_reports.h"
#include "app/command_line.h"
#include "app/operand_texts.h"
#include "app/output.h"
#include "logic/key_breaking.h"
#include "logic/key_solving.h"
#include "logic/main_form.h"
#include "logic/table_headings.h"
#include "logic/utf8.h"

namespace {

constexpr std::string_view kUsage =
    "usage: affine-table [TEXT...]\n"
    "       affine-table -k A,B [TEXT...]\n"
    "       affine-table [-k A,B] -d TEXT...\n"
    "       affine-table [-t N] -b TEXT...\n"
    "       affine-table -s PLAIN CIPHER\n"
    "\n"
    "With no TEXT, prints the reference table of the affine cipher with the key a = 5, b = 8:\n"
    "a heading line, then one line for each letter A to Z, the seven columns separated by tabs.\n"
    "\n"
    "With TEXT (the arguments joined by one blank), enciphers it as the window does: the text is\n"
    "upper-cased and only the letters A to Z are kept; at most 40 UTF-16 units are taken (an\n"
    "emoji takes two). Prints the enciphered letters on the first line, then one line for each\n"
    "of them: the letter, its code and its cipher letter, separated by tabs. Output is UTF-8.\n"
    "\n"
    "The options below take the text whole. A TEXT of - is read from standard input. Options\n"
    "come before the texts: the first TEXT ends them, and so does --.\n"
    "\n"
    "  -k, --key=A,B   the key y = (Ax + B) mod 26 for the table, enciphering and deciphering;\n"
    "                  A is one of 1 3 5 7 9 11 15 17 19 21 23 25, B is 0 to 25\n"
    "  -d, --decipher  deciphers TEXT, printed in the shape of enciphering\n"
    "  -b, --break     tries all 312 keys on TEXT and prints the five that make it read most\n"
    "                  like English: the key, its score (bits per letter by a model of English\n"
    "                  letter triples, about 3 to 4 for English; lower is closer) and the\n"
    "                  deciphered text\n"
    "  -t, --top=N     prints the N best keys of --break instead of five\n"
    "  -s, --solve     prints the keys under which PLAIN enciphers to CIPHER, one a line\n"
    "  -V, --version   prints the version\n"
    "  -h, --help      prints this text\n"
    "\n"
    "Exit status: 0 done, 1 no key solves the texts, 2 trouble: bad arguments or input, a\n"
    "failed read or write, or too little memory.\n";

// Under this many letters the right key is often not ranked first.
constexpr std::size_t kLettersForBreaking = 20;

void PrintRow(Output& out, const MainForm& form, MainForm::ListGroup group, int columns, int row) {
    std::vector<std::u16string> cells;
    for (ControlIndex k = 0; k < columns; ++k) {
        cells.push_back(form.List(group, k).List(row));
    }
    WriteColumns(out, cells);
}

void WriteFormTable(Output& out, const MainForm& form) {
    WriteColumns(out, kTableHeadings);
    for (int row = 0; row < form.List2(0).ListCount(); ++row) {
        PrintRow(out, form, MainForm::ListGroup::Table, MainForm::kTableListCount, row);
    }
}

void WriteFormEncryption(Output& out, const MainForm& form) {
    out.Append(EncodeUtf8(form.Text2(0).Text()));
    out.Append('\n');
    for (int row = 0; row < form.List1(0).ListCount(); ++row) {
        PrintRow(out, form, MainForm::ListGroup::Results, 3, row);
    }
}

void Say(const std::string& message) {
    std::fprintf(stderr, "affine-table: %s\n", message.c_str());
}

// The form as the window runs it: its own key, and the input line's limit of 40 units.
void RunForm(Output& out, const std::vector<Operand>& operands) {
    MainForm form;
    form.Form_Load();
    if (operands.empty()) {
        WriteFormTable(out, form);
        return;
    }
    TextBox& input = form.Text2(0);
    const std::u16string text = FormTextOf(operands, input.MaxLength());
    const std::size_t kept = input.ReplaceRange(0, input.Text().size(), text);
    if (kept < text.size()) {
        std::fprintf(stderr,
                     "affine-table: the input line holds at most %zu UTF-16 units; the text was "
                     "cut after its first %d characters\n",
                     input.MaxLength(),
                     u_countChar32(text.data(), static_cast<std::int32_t>(kept)));
    }
    form.Command1_Click(0);
    WriteFormEncryption(out, form);
}

// The exit status: 1 when --solve finds no key.
int RunCipher(Output& out, const Request& request) {
    if (request.mode == Mode::Solve) {
        const Letters plain = CipherLettersOf({request.operands[0]});
        const Letters cipher = CipherLettersOf({request.operands[1]});
        if (plain.size() != cipher.size()) {
            throw Trouble{"PLAIN has " + std::to_string(plain.size()) + " letters and CIPHER " +
                          std::to_string(cipher.size()) + "; they must have as many"};
        }
        const std::vector<AffineKey> keys = KeysThatEncipher(plain, cipher);
        if (keys.empty()) {
            Say("no key enciphers PLAIN to CIPHER");
            return 1;
        }
        WriteKeys(out, keys);
        return 0;
    }
    const Letters letters = CipherLettersOf(request.operands);
    if (request.mode == Mode::Break) {
        if (letters.size() < kLettersForBreaking) {
            std::fprintf(stderr,
                         "affine-table: warning: only %zu letters; under %zu the right key is "
                         "often not ranked first\n",
                         letters.size(), kLettersForBreaking);
        }
        WriteRanking(out, RankKeysByEnglishTrigrams(letters), request.top, letters);
        return 0;
    }
    const AffineKey key = request.key.value_or(*AffineKey::Make(5, 8));
    WriteLetterByLetter(out, key,
                        request.mode == Mode::Decipher ? Direction::Decipher : Direction::Encipher,
                        letters);
    return 0;
}

int Run(Output& out, const Request& request) {
    switch (request.mode) {
        case Mode::Help:
            out.Append(kUsage);
            return 0;
        case Mode::Version:
            out.Append("affine-table " AFFINE_VERSION "\n");
            return 0;
        case Mode::Form:
            RunForm(out, request.operands);
            return 0;
        case Mode::KeyTable:
            WriteKeyTable(out, *request.key);
            return 0;
        default:
            return RunCipher(out, request);
    }
}

}  // namespace

// Exit statuses as grep's: 0 done, 1 no key solves the texts, 2 any trouble.
int main(int argc, char** argv) {
    Output out;
    int status = 0;
    try {
        status = Run(out, ParseCommandLine(argc, argv));
    } catch (const Trouble& trouble) {
        Say(trouble.message);
        if (trouble.usage) {
            std::fputs("Try 'affine-table --help'.\n", stderr);
        }
        return 2;
    } catch (const std::bad_alloc&) {
        std::fputs("affine-table: out of memory: the text is too large to hold\n", stderr);
        return 2;
    }
    return out.Finish() ? status : 2;
}
