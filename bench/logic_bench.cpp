// Micro-benchmarks of the cipher form's procedures, each on the state in which the window runs it.
// They time the model alone; what the widgets add is measured with the window itself.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string_view>
#include <vector>

#include "logic/main_form.h"

namespace {

// Forty letters, the most the input line takes, in mixed case so that upper-casing has work.
constexpr std::u16string_view kFortyLetters = u"TheQuickBrownFoxJumpsOverTheLazyDogCrypt";
static_assert(kFortyLetters.size() == MainForm::kInputMaxLength);

MainForm LoadedForm() {
    MainForm form;
    form.Form_Load();
    return form;
}

// Puts the input back as a user's edit does, which reuses the text's storage, so that every
// iteration enciphers the same forty letters.
void TypeInput(MainForm& form, std::u16string_view input) {
    TextBox& line = form.Text2(0);
    line.ReplaceRange(0, line.Text().size(), input);
}

// The load sequence on forms as the window creates them. Forms are built in batches with the
// clock stopped, so that neither their construction nor their destruction is timed.
void BM_FormLoad(benchmark::State& state) {
    constexpr std::size_t kBatch = 64;
    std::vector<MainForm> forms;
    std::size_t next = kBatch;
    for (auto _ : state) {
        if (next == kBatch) {
            state.PauseTiming();
            forms.clear();
            forms.resize(kBatch);
            next = 0;
            state.ResumeTiming();
        }
        MainForm& form = forms[next++];
        form.Form_Load();
        benchmark::DoNotOptimize(form);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FormLoad);

// What the window pays before the load sequence: the form with its design-time rows.
void BM_ConstructForm(benchmark::State& state) {
    for (auto _ : state) {
        MainForm form;
        benchmark::DoNotOptimize(form);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ConstructForm);

// The cost of putting the input back, which the two benchmarks below include.
void BM_TypeInput(benchmark::State& state) {
    MainForm form = LoadedForm();
    for (auto _ : state) {
        TypeInput(form, kFortyLetters);
        benchmark::DoNotOptimize(form);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TypeInput);

void BM_EncryptText40(benchmark::State& state) {
    MainForm form = LoadedForm();
    for (auto _ : state) {
        TypeInput(form, kFortyLetters);
        form.EncryptText();
        benchmark::DoNotOptimize(form);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EncryptText40);

void BM_Command1ClickEncrypt40(benchmark::State& state) {
    MainForm form = LoadedForm();
    for (auto _ : state) {
        TypeInput(form, kFortyLetters);
        form.Command1_Click(0);
        benchmark::DoNotOptimize(form);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Command1ClickEncrypt40);

// Clearing a form that has just been cleared: four short lists and the input.
void BM_Command1ClickClear(benchmark::State& state) {
    MainForm form = LoadedForm();
    for (auto _ : state) {
        form.Command1_Click(1);
        benchmark::DoNotOptimize(form);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Command1ClickClear);

// Both buttons in turn, so that clearing has forty rows in each result list to remove; the
// difference from BM_Command1ClickEncrypt40 is the cost of that clearing.
void BM_EncryptThenClear40(benchmark::State& state) {
    MainForm form = LoadedForm();
    for (auto _ : state) {
        TypeInput(form, kFortyLetters);
        form.Command1_Click(0);
        form.Command1_Click(1);
        benchmark::DoNotOptimize(form);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EncryptThenClear40);

// A user's pick of a table row, which selects the same row in all seven table lists; the row
// changes every time so that every list really moves.
void BM_UserSelectsTableRow(benchmark::State& state) {
    MainForm form = LoadedForm();
    int row = 0;
    for (auto _ : state) {
        form.UserSelectsRow(MainForm::ListGroup::Table, 2, row);
        row = row == 25 ? 0 : row + 1;
        benchmark::DoNotOptimize(form);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_UserSelectsTableRow);

void BM_UserSelectsResultRow(benchmark::State& state) {
    MainForm form = LoadedForm();
    TypeInput(form, kFortyLetters);
    form.EncryptText();
    int row = 0;
    for (auto _ : state) {
        form.UserSelectsRow(MainForm::ListGroup::Results, 1, row);
        row = row == 39 ? 0 : row + 1;
        benchmark::DoNotOptimize(form);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_UserSelectsResultRow);

}  // namespace

BENCHMARK_MAIN();
