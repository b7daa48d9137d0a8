// affine-table: the cipher form's reference table, or the encryption of a text, on a terminal;
// and the whole affine cipher beside it: any key, deciphering, breaking and solving for the key.

#include <cstdio>
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
#include "logic/text_routines.h"
#include "logic/utf8.h"

namespace {

constexpr std::string_view kUsage =
    "usage: affine-table [TEXT...]\n"
    "       affine-table --key A,B [TEXT...]\n"
    "       affine-table [--key A,B] --decipher TEXT...\n"
    "       affine-table [--top N] --break TEXT...\n"
    "       affine-table --solve PLAIN CIPHER\n"
    "\n"
    "With no TEXT, prints the reference table of the affine cipher with the key a = 5, b = 8:\n"
    "a heading line, then one line for each letter A to Z, the seven columns separated by tabs.\n"
    "\n"
    "With TEXT (the arguments joined by one blank), enciphers it as the window does: the text is\n"
    "upper-cased and only the letters A to Z are kept, at most 40 characters are taken. Prints\n"
    "the enciphered letters on the first line, then one line for each of them: the letter, its\n"
    "code and its cipher letter, separated by tabs. Output is UTF-8.\n"
    "\n"
    "The options below take the text whole. A TEXT of - is read from standard input.\n"
    "\n"
    "  --key A,B   the key y = (Ax + B) mod 26 for the table, enciphering and deciphering;\n"
    "              A is one of 1 3 5 7 9 11 15 17 19 21 23 25, B is 0 to 25\n"
    "  --decipher  deciphers TEXT, printed in the shape of enciphering\n"
    "  --break     tries all 312 keys on TEXT and prints the five closest to English letter\n"
    "              frequencies: the key, its score (lower is closer) and the deciphered text\n"
    "  --top N     prints the N best keys of --break instead of five\n"
    "  --solve     prints the keys under which PLAIN enciphers to CIPHER, one a line\n"
    "  --version   prints the version\n"
    "  --help      prints this text\n"
    "  --          takes every following argument as text\n"
    "\n"
    "Exit status: 0 done, 1 no key solves the texts or the output could not be written,\n"
    "2 bad arguments or input.\n";

// Fewer letters than this say little about which key gives English.
constexpr std::size_t kLettersForFrequencies = 20;

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

std::size_t CharacterCount(std::u16string_view text) {
    std::size_t count = 0;
    for (std::size_t position = 0; position < text.size(); ++count) {
        NextCodePoint(text, position);
    }
    return count;
}

int Fail(const std::string& message, int status) {
    std::fprintf(stderr, "affine-table: %s\n", message.c_str());
    return status;
}

// The form as the window runs it: its own key, and the input line's limit of 40 units.
int RunForm(Output& out, const std::vector<Operand>& operands) {
    MainForm form;
    form.Form_Load();
    if (operands.empty()) {
        WriteFormTable(out, form);
        return 0;
    }
    InputProblem problem;
    const std::optional<std::u16string> text = FormTextOf(operands, problem);
    if (!text) {
        return Fail(problem.message, problem.exitStatus);
    }
    TextBox& input = form.Text2(0);
    const std::size_t kept = input.ReplaceRange(0, input.Text().size(), *text);
    if (kept < text->size()) {
        std::fprintf(stderr,
                     "affine-table: the input line holds at most %zu UTF-16 units; the text was "
                     "cut after its first %zu characters\n",
                     input.MaxLength(), CharacterCount(std::u16string_view(*text).substr(0, kept)));
    }
    form.Command1_Click(0);
    WriteFormEncryption(out, form);
    return 0;
}

int RunCipher(Output& out, const Request& request) {
    InputProblem problem;
    if (request.mode == Mode::Solve) {
        const std::optional<std::string> plain = CipherLettersOf({request.operands[0]}, problem);
        const std::optional<std::string> cipher =
            plain ? CipherLettersOf({request.operands[1]}, problem) : std::nullopt;
        if (!cipher) {
            return Fail(problem.message, problem.exitStatus);
        }
        if (plain->size() != cipher->size()) {
            return Fail("PLAIN has " + std::to_string(plain->size()) + " letters and CIPHER " +
                            std::to_string(cipher->size()) + "; they must have as many",
                        2);
        }
        const std::vector<AffineKey> keys = KeysThatEncipher(*plain, *cipher);
        if (keys.empty()) {
            return Fail("no key enciphers PLAIN to CIPHER", 1);
        }
        WriteKeys(out, keys);
        return 0;
    }

    const std::optional<std::string> letters = CipherLettersOf(request.operands, problem);
    if (!letters) {
        return Fail(problem.message, problem.exitStatus);
    }
    if (request.mode == Mode::Break) {
        if (letters->size() < kLettersForFrequencies) {
            std::fprintf(stderr,
                         "affine-table: warning: only %zu letters; under %zu the ranking by "
                         "letter frequencies means little\n",
                         letters->size(), kLettersForFrequencies);
        }
        WriteRanking(out, RankKeysByEnglishFrequencies(*letters), request.top, *letters);
        return 0;
    }
    const AffineKey key = request.key.value_or(*AffineKey::Make(5, 8));
    WriteLetterByLetter(out, key,
                        request.mode == Mode::Decipher ? Direction::Decipher : Direction::Encipher,
                        *letters);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
    if (!parsed.problem.empty()) {
        return Fail(parsed.problem, 2);
    }
    const Request& request = parsed.request;
    Output out;
    int status = 0;
    switch (request.mode) {
        case Mode::Help:
            out.Append(kUsage);
            break;
        case Mode::Version:
            out.Append("affine-table " AFFINE_VERSION "\n");
            break;
        case Mode::Form:
            status = RunForm(out, request.operands);
            break;
        case Mode::KeyTable:
            WriteKeyTable(out, *request.key);
            break;
        case Mode::Encipher:
        case Mode::Decipher:
        case Mode::Break:
        case Mode::Solve:
            status = RunCipher(out, request);
            break;
    }
    if (status != 0) {
        return status;
    }
    return out.Finish() ? 0 : 1;
}
