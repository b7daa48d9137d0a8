// affine-table run as a separate process, the way a terminal runs it.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>
#include <vector>

#include "logic/main_form.h"
#include "logic/utf8.h"

extern char** environ;

namespace {

enum class Stdout { Captured, Closed, BrokenPipe, Full };

struct ProcessOutcome {
    std::string out;
    std::string err;
    int status = 0;

    bool ExitedWith(int code) const { return WIFEXITED(status) && WEXITSTATUS(status) == code; }
};

// What the program wrote into an in-memory file.
std::string Contents(int fd) {
    std::string contents;
    char buffer[4096];
    for (ssize_t got;
         (got = pread(fd, buffer, sizeof buffer, static_cast<off_t>(contents.size()))) > 0;) {
        contents.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
    return contents;
}

// Runs the program to its end, with SIGPIPE at its default unless `ignoreSigpipe`. Its output goes
// to in-memory files, so that neither stream can block the other; its standard input is
// `standardInput`.
ProcessOutcome RunAffineTable(const std::vector<std::string>& args,
                              Stdout stdoutTo = Stdout::Captured, bool ignoreSigpipe = false,
                              const std::string& standardInput = {},
                              const char* program = AFFINE_TABLE_PATH) {
    const int in = memfd_create("stdin", MFD_CLOEXEC);
    EXPECT_EQ(write(in, standardInput.data(), standardInput.size()),
              static_cast<ssize_t>(standardInput.size()));
    lseek(in, 0, SEEK_SET);
    const int out = memfd_create("stdout", MFD_CLOEXEC);
    const int err = memfd_create("stderr", MFD_CLOEXEC);
    int pipeEnds[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in, STDIN_FILENO);
    switch (stdoutTo) {
        case Stdout::Captured:
            posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO);
            break;
        case Stdout::Closed:
            posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
            break;
        case Stdout::BrokenPipe:  // the reading end is gone before the program starts
            EXPECT_EQ(pipe2(pipeEnds, O_CLOEXEC), 0);
            close(pipeEnds[0]);
            posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
            break;
        case Stdout::Full:
            posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0);
            break;
    }
    posix_spawn_file_actions_adddup2(&actions, err, STDERR_FILENO);
    std::signal(SIGPIPE, ignoreSigpipe ? SIG_IGN : SIG_DFL);

    std::vector<char*> argv{const_cast<char*>(program)};
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    ProcessOutcome outcome;
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, program, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(waitpid(pid, &outcome.status, 0), pid);
    std::signal(SIGPIPE, SIG_DFL);
    if (pipeEnds[1] >= 0) {
        close(pipeEnds[1]);
    }
    close(in);
    outcome.out = Contents(out);
    outcome.err = Contents(err);
    return outcome;
}

// Runs a shell command line, in which $0 is the program.
ProcessOutcome RunInShell(const std::string& commandLine) {
    return RunAffineTable({"-c", commandLine, AFFINE_TABLE_PATH}, Stdout::Captured, false, {},
                          "/bin/sh");
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "the output does not end with a line break";
    return lines;
}

MainForm LoadedForm() {
    MainForm form;
    form.Form_Load();
    return form;
}

TEST(AffineTable, WithoutTextPrintsTheHeadingsAndTheReferenceTable) {
    const ProcessOutcome run = RunAffineTable({});
    const MainForm form = LoadedForm();
    std::string expected = "Номер\tБуква\t5x+8\tmod 26\tШифър\t21(y-8)\tmod 26\n";
    for (int x = 0; x < 26; ++x) {
        for (ControlIndex k = 0; k < MainForm::kTableListCount; ++k) {
            expected += EncodeUtf8(form.List2(k).List(x)) + (k < 6 ? '\t' : '\n');
        }
    }
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.ExitedWith(0));
}

struct Encryption {
    const char* name;
    std::vector<std::string> args;
    std::string enciphered;
    bool cutToForty;
};

class AffineTableWithText : public testing::TestWithParam<Encryption> {};

TEST_P(AffineTableWithText, PrintsTheEncipheredTextThenOneLinePerLetter) {
    const ProcessOutcome run = RunAffineTable(GetParam().args);
    const MainForm form = LoadedForm();
    std::string expected = GetParam().enciphered + '\n';
    for (const char letter : GetParam().enciphered) {
        const int k = letter - 'A';
        expected += std::string(1, letter) + '\t' + EncodeUtf8(form.List2(5).List(k)) + '\t' +
                    EncodeUtf8(form.List2(4).List(k)) + '\n';
    }
    EXPECT_EQ(run.out, expected);
    if (GetParam().cutToForty) {
        ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
        EXPECT_NE(run.err.find("40"), std::string::npos) << run.err;
    } else {
        EXPECT_EQ(run.err, "");
    }
    EXPECT_TRUE(run.ExitedWith(0));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, AffineTableWithText,
    testing::Values(
        Encryption{"JoinedByOneBlank", {"Affine", "cipher!"}, "AFFINECIPHER", false},
        Encryption{"CyrillicDropped", {"Шифър", "abc"}, "ABC", false},
        Encryption{"OnlyCyrillic", {"Шифър"}, "", false},
        Encryption{"EmptyArgument", {""}, "", false},
        Encryption{"OutsideTheBasicPlane", {"\xF0\x90\x90\xA8x\xF0\x9F\x98\x80y"}, "XY", false},
        Encryption{"DotlessIAndLongS", {"\xC4\xB1\xC5\xBF"}, "IS", false},
        Encryption{"HelpAfterText", {"x", "--help"}, "XHELP", false},
        Encryption{"HelpAfterDoubleDash", {"--", "--help"}, "HELP", false},
        Encryption{"FortyCharacters", {std::string(40, 'z')}, std::string(40, 'Z'), false},
        Encryption{"BlanksBetweenArgumentsCount",
                   {std::string(20, 'a'), std::string(20, 'b')},
                   std::string(20, 'A') + std::string(19, 'B'),
                   true},
        Encryption{"LongerTextCutToForty",
                   {"Affine cipher! Affine cipher! Affine cipher! "},
                   "AFFINECIPHERAFFINECIPHERAFFINECIP",
                   true},
        Encryption{"PairAtTheCutLeftOut",
                   {std::string(39, 'a') + "\xF0\x9F\x98\x80" + "bc"},
                   std::string(39, 'A'),
                   true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(AffineTableWithLongText, CountsTheKeptCharactersNotTheirUnits) {
    std::string faces;
    for (int i = 0; i < 25; ++i) {
        faces += "\xF0\x9F\x98\x80";  // one character of two UTF-16 units
    }
    const ProcessOutcome run = RunAffineTable({faces});
    EXPECT_EQ(run.out, "\n");
    EXPECT_NE(run.err.find("after its first 20 characters"), std::string::npos) << run.err;
    EXPECT_TRUE(run.ExitedWith(0));
}

struct InvalidArgument {
    const char* name;
    std::vector<std::string> args;
    std::string names;  // how the message points at the bad byte
};

class AffineTableWithInvalidUtf8 : public testing::TestWithParam<InvalidArgument> {};

TEST_P(AffineTableWithInvalidUtf8, ReportsItOnOneLineAndExitsWithStatusTwo) {
    const ProcessOutcome run = RunAffineTable(GetParam().args);
    EXPECT_EQ(run.out, "");
    ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.err.find("UTF-8"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(GetParam().names), std::string::npos) << run.err;
    EXPECT_TRUE(run.ExitedWith(2));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, AffineTableWithInvalidUtf8,
    testing::Values(
        InvalidArgument{"ByteFF", {"\xFF"}, "argument 1 is not valid UTF-8 (byte 1 "},
        InvalidArgument{"Overlong", {"ok", "ab\xC0\xAF"}, "argument 2 is not valid UTF-8 (byte 3 "},
        InvalidArgument{"EncodedSurrogate", {"\xED\xA0\x80"}, "argument 1 "},
        InvalidArgument{"CutSequence", {"Affine", "cipher", "\xE2\x82"}, "argument 3 "}),
    [](const auto& row) { return std::string(row.param.name); });

class AffineTableHelp : public testing::TestWithParam<std::string> {};

TEST_P(AffineTableHelp, PrintsUsageAndSucceeds) {
    const ProcessOutcome run = RunAffineTable({GetParam(), "ignored"});
    EXPECT_EQ(run.out.rfind("usage: affine-table [TEXT...]\n", 0), 0u) << run.out;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.ExitedWith(0));
}

INSTANTIATE_TEST_SUITE_P(Options, AffineTableHelp, testing::Values("--help", "-h"));

struct Unwritable {
    const char* name;
    Stdout stdoutTo;
    bool ignoreSigpipe;
};

class AffineTableUnwritable : public testing::TestWithParam<Unwritable> {};

TEST_P(AffineTableUnwritable, FailsWithStatusTwoAndSaysSo) {
    const ProcessOutcome run = RunAffineTable({}, GetParam().stdoutTo, GetParam().ignoreSigpipe);
    EXPECT_EQ(run.err, "affine-table: could not write the output\n");
    EXPECT_TRUE(run.ExitedWith(2)) << "wait status " << run.status;
}

INSTANTIATE_TEST_SUITE_P(Outputs, AffineTableUnwritable,
                         testing::Values(Unwritable{"ClosedStdout", Stdout::Closed, false},
                                         Unwritable{"FullDevice", Stdout::Full, false},
                                         Unwritable{"BrokenPipeWithSigpipeIgnored",
                                                    Stdout::BrokenPipe, true}),
                         [](const auto& row) { return std::string(row.param.name); });

// A text too large for the memory the program may have is refused in one line, never by an abort
// and a core dump. The address space is held to 100 MB, of which the libraries take about 40.
TEST(AffineTableOutOfMemory, SaysSoOnOneLineAndExitsWithStatusTwo) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer cannot start in a small address space";
#endif
    for (const std::string mode : {"--key 5,8 --decipher", "--break"}) {
        const ProcessOutcome run = RunInShell(
            "ulimit -v 100000 && head -c 100000000 /dev/zero | tr '\\0' A | \"$0\" " + mode + " -");
        EXPECT_EQ(run.out, "") << mode;
        EXPECT_EQ(run.err, "affine-table: out of memory: the text is too large to hold\n") << mode;
        EXPECT_TRUE(run.ExitedWith(2)) << mode << ": wait status " << run.status;
    }
}

// As with any filter (`affine-table | head -1`), a reader that has gone away ends the program by
// SIGPIPE, not by a crash.
TEST(AffineTable, BrokenPipeEndsItBySigpipe) {
    const ProcessOutcome run = RunAffineTable({}, Stdout::BrokenPipe);
    ASSERT_TRUE(WIFSIGNALED(run.status)) << "wait status " << run.status;
    EXPECT_EQ(WTERMSIG(run.status), SIGPIPE);
    EXPECT_EQ(run.err, "");
}

// "It was the best of times, it was the worst of times" under the key 11, 4.
constexpr const char* kDickensUnderElevenFour = "OFMEUFDWPWUFCHFOGWUOFMEUFDWMCJUFCHFOGWU";

// A megabyte of characters of two, three and four bytes and one letter each: standard input is
// read in blocks, and most block boundaries fall inside a character.
const std::string kMegabyteOfMixedText = [] {
    std::string text;
    for (int i = 0; i < 100000; ++i) {
        text +=
            "\xD0\x96\xE2\x82\xAC\xF0\x9F\x98\x80"
            "a";  // Ж€😀a
    }
    return text;
}();

struct CipherRun {
    const char* name;
    std::vector<std::string> args;
    std::string standardInput;
    std::string outputStart;
    std::size_t lineCount;
};

class AffineTableCipher : public testing::TestWithParam<CipherRun> {};

TEST_P(AffineTableCipher, PrintsItsReportAndSucceedsQuietly) {
    const ProcessOutcome run =
        RunAffineTable(GetParam().args, Stdout::Captured, false, GetParam().standardInput);
    EXPECT_EQ(run.out.substr(0, GetParam().outputStart.size()), GetParam().outputStart);
    EXPECT_EQ(Lines(run.out).size(), GetParam().lineCount) << run.out;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.ExitedWith(0));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, AffineTableCipher,
    testing::Values(
        CipherRun{"TableOfAnotherKey",
                  {"--key", "7,3"},
                  "",
                  "Номер\tБуква\t7x+3\tmod 26\tШифър\t15(y-3)\tmod 26\n"
                  "0\tA\t3\t3\tD\t0\t0\n1\tB\t10\t10\tK\t105\t1\n",
                  27},
        CipherRun{
            "EncipherWithAKey", {"--key", "11,4", "a,", "B"}, "", "AB\nA\t0\tE\nB\t209\tP\n", 3},
        CipherRun{"DecipherWithAKey",
                  {"--key=11,4", "--decipher", "EP"},
                  "",
                  "EP\nE\t0\tA\nP\t209\tB\n",
                  3},
        CipherRun{"DecipherWithTheFormsKey",
                  {"--decipher", "IHHWVC"},
                  "",
                  "IHHWVC\nI\t0\tA\nH\t-21\tF\nH\t-21\tF\nW\t294\tI\nV\t273\tN\nC\t-126\tE\n",
                  7},
        CipherRun{"TextFromStandardInput",
                  {"--key", "11,4", "-"},
                  "a\nb\n",
                  "AB\nA\t0\tE\nB\t209\tP\n",
                  3},
        CipherRun{"TextTakenWholeWithAKey",
                  {"--key", "5,8", std::string(45, 'a')},
                  "",
                  std::string(45, 'A') + "\nA\t0\tI\n",
                  46},
        CipherRun{
            "FormTextFromStandardInput", {"-"}, "Affine cipher!\n", "AFFINECIPHER\nA\t0\tI\n", 13},
        CipherRun{"SolveTheWorkedExample", {"--solve", "Affine", "IHHWVC"}, "", "5,8\n", 1},
        CipherRun{
            "SolveWithPlainFromStandardInput", {"--solve", "-", "ihhwvc"}, "affine\n", "5,8\n", 1},
        CipherRun{"BreakTheBestKeyOnly",
                  {"--top", "1", "--break", kDickensUnderElevenFour},
                  "",
                  "11,4\t",
                  1},
        CipherRun{"BreakFiveKeysFromStandardInput",
                  {"--break", "-"},
                  kDickensUnderElevenFour,
                  "11,4\t",
                  5},
        CipherRun{"Version", {"--version"}, "", "affine-table ", 1},
        CipherRun{"LongTextFromStandardInput",
                  {"--key", "1,0", "-"},
                  kMegabyteOfMixedText,
                  std::string(100000, 'A') + "\nA\t0\tA\n",
                  100001}),
    [](const auto& row) { return std::string(row.param.name); });

// Each short option, and a long one with its value after "=", does what the long option does.
TEST(AffineTableOptions, ShortFormsAndJoinedValuesMatchTheLongOptions) {
    const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> pairs = {
        {{"-k", "7,3"}, {"--key", "7,3"}},
        {{"-k7,3", "-d", "Affine"}, {"--key=7,3", "--decipher", "Affine"}},
        {{"-dk", "11,4", "EP"}, {"--decipher", "--key", "11,4", "EP"}},
        {{"-t", "2", "-b", kDickensUnderElevenFour},
         {"--top=2", "--break", kDickensUnderElevenFour}},
        {{"-s", "affine", "ihhwvc"}, {"--solve", "affine", "ihhwvc"}},
        {{"-V"}, {"--version"}},
    };
    for (const auto& [shortForm, longForm] : pairs) {
        const ProcessOutcome viaShort = RunAffineTable(shortForm);
        const ProcessOutcome viaLong = RunAffineTable(longForm);
        EXPECT_NE(viaLong.out, "") << longForm[0];
        EXPECT_EQ(viaShort.out, viaLong.out) << shortForm[0];
        EXPECT_EQ(viaShort.err, viaLong.err) << shortForm[0];
        EXPECT_TRUE(viaShort.ExitedWith(0)) << shortForm[0];
    }
}

// The first text ends the options: what follows is text even where it looks like an option.
TEST(AffineTableOptions, EndAtTheFirstText) {
    const ProcessOutcome run = RunAffineTable({"-k", "11,4", "a", "-b", "--key=1,0"});
    EXPECT_EQ(Lines(run.out)[0], "ABKEY");
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.ExitedWith(0));
}

TEST(AffineTableBreak, RanksAShortTextTooButWarnsOnOneLine) {
    const ProcessOutcome run = RunAffineTable({"--break", "ABC"});
    EXPECT_EQ(Lines(run.out).size(), 5u);
    ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.err.find("only 3 letters"), std::string::npos) << run.err;
    EXPECT_TRUE(run.ExitedWith(0));
}

enum class Kind { Usage, Input, Unsolved };

struct BadInput {
    const char* name;
    std::vector<std::string> args;
    std::string standardInput;
    std::string names;  // what the message must say
    Kind kind;
};

class AffineTableRefuses : public testing::TestWithParam<BadInput> {};

// A usage error points to --help on a second line, as coreutils do; bad input does not.
TEST_P(AffineTableRefuses, SaysWhyOnOneLineAndPrintsNothing) {
    const ProcessOutcome run =
        RunAffineTable(GetParam().args, Stdout::Captured, false, GetParam().standardInput);
    const Kind kind = GetParam().kind;
    EXPECT_EQ(run.out, "");
    const std::vector<std::string> lines = Lines(run.err);
    ASSERT_EQ(lines.size(), kind == Kind::Usage ? 2u : 1u) << run.err;
    EXPECT_EQ(lines[0].rfind("affine-table: ", 0), 0u) << run.err;
    EXPECT_NE(lines[0].find(GetParam().names), std::string::npos) << run.err;
    if (kind == Kind::Usage) {
        EXPECT_EQ(lines[1], "Try 'affine-table --help'.");
    }
    EXPECT_TRUE(run.ExitedWith(kind == Kind::Unsolved ? 1 : 2)) << "wait status " << run.status;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, AffineTableRefuses,
    testing::Values(
        BadInput{"FactorNotCoprime",
                 {"--key", "13,1"},
                 "",
                 "1 3 5 7 9 11 15 17 19 21 23 25",
                 Kind::Usage},
        BadInput{"FactorAboveTheAlphabet",
                 {"--key", "27,0"},
                 "",
                 "key '27,0': A must be 1 to 25",
                 Kind::Usage},
        BadInput{"NegativeFactor",
                 {"-k", "-5,8", "x"},
                 "",
                 "key '-5,8': A must be 1 to 25",
                 Kind::Usage},
        // An argument shown in a message cannot add a line of its own or steer the terminal.
        BadInput{"LineBreakInKey",
                 {"--key", "5,8\nDONE: all good", "X"},
                 "",
                 "key '5,8\\nDONE: all good'",
                 Kind::Usage},
        BadInput{"EscapeInTop",
                 {"-t", "\x1b[2J\x9b", "-b", "x"},
                 "",
                 "--top '\\x1b[2J\\x9b'",
                 Kind::Usage},
        BadInput{"BidiOverrideInOption",
                 {"--x\u202E\u0085"},
                 "",
                 "unknown option '--x\\u202E\\u0085'",
                 Kind::Usage},
        BadInput{"ShiftOutOfRange", {"--key", "5,26", "x"}, "", "B must be 0 to 25", Kind::Usage},
        BadInput{"MalformedKey", {"--key", "5;8"}, "", "malformed key '5;8'", Kind::Usage},
        BadInput{"KeyWithoutValue", {"--key"}, "", "--key needs", Kind::Usage},
        BadInput{"UnknownOption",
                 {"--frobnicate", "x"},
                 "",
                 "unknown option '--frobnicate'",
                 Kind::Usage},
        BadInput{"NoTextToDecipher", {"--decipher"}, "", "--decipher needs a TEXT", Kind::Usage},
        BadInput{"NoCipherToSolve", {"--solve", "AFFINE"}, "", "PLAIN and CIPHER", Kind::Usage},
        BadInput{"TopOutOfRange", {"--top", "313", "--break", "x"}, "", "--top '313'", Kind::Usage},
        BadInput{"InvalidUtf8Argument",
                 {"--break", "ok", "\xC3("},
                 "",
                 "argument 3 is not valid UTF-8",
                 Kind::Input},
        BadInput{"InvalidUtf8OnStandardInput",
                 {"--key", "3,1", "-"},
                 "ok\xFF",
                 "standard input is not valid UTF-8 (byte 3 ",
                 Kind::Input},
        BadInput{"InvalidUtf8OnStandardInputForTheForm",
                 {"-"},
                 "\xED\xA0\x80",
                 "standard input is not valid UTF-8 (byte 1 ",
                 Kind::Input},
        BadInput{
            "TextsOfDifferentLength", {"--solve", "AFFINE", "IHHWV"}, "", "6 letters", Kind::Input},
        BadInput{"InvalidUtf8AfterAMegabyte",
                 {"--break", "-"},
                 kMegabyteOfMixedText + "\xC3(",
                 "standard input is not valid UTF-8 (byte 1000001 ",
                 Kind::Input},
        BadInput{"InvalidUtf8AfterFortyUnitsForTheForm",
                 {"-"},
                 kMegabyteOfMixedText + "\xE2\x82",
                 "standard input is not valid UTF-8 (byte 1000001 ",
                 Kind::Input},
        BadInput{"ShortKeyWithoutValue", {"-k"}, "", "--key needs", Kind::Usage},
        BadInput{"UnknownShortOption", {"-d", "-x", "y"}, "", "unknown option '-x'", Kind::Usage},
        BadInput{
            "ValueForAFlag", {"--decipher=x", "y"}, "", "--decipher takes no value", Kind::Usage},
        BadInput{"NoKeySolves", {"--solve", "AB", "CC"}, "", "no key enciphers", Kind::Unsolved}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
