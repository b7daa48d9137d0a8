// Long random sequences of the events the cipher form can meet, each followed by a full check of
// the form. The seed is fixed unless AFFINE_ROBUSTNESS_SEED gives another; the number of events
// can be raised with AFFINE_ROBUSTNESS_EVENTS. A failure names the seed, the sequence and the
// event, which is enough to run the same events again.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/robustness/checked_form.h"
#include "tests/robustness/form_event.h"
#include "tests/robustness/from_environment.h"
#include "tests/robustness/random_choices.h"

namespace {

constexpr std::uint64_t kDefaultSeed = 20261209;
constexpr std::uint64_t kDefaultEvents = 100'000;
constexpr int kEventsPerSequence = 500;

TEST(FormEventSequences, KeepEveryInvariantAfterEveryEvent) {
    const std::uint64_t seed = FromEnvironment("AFFINE_ROBUSTNESS_SEED", kDefaultSeed);
    const std::uint64_t events = FromEnvironment("AFFINE_ROBUSTNESS_EVENTS", kDefaultEvents);
    SCOPED_TRACE("seed " + std::to_string(seed) +
                 " (run again with AFFINE_ROBUSTNESS_SEED=" + std::to_string(seed) + ")");
    CheckedForm::Reached reached;
    for (std::uint64_t sequence = 0; sequence * kEventsPerSequence < events; ++sequence) {
        RandomChoices choices(seed, sequence);
        CheckedForm form;
        ASSERT_EQ(form.Check(), "") << "after load";
        for (int n = 1; n <= kEventsPerSequence; ++n) {
            const FormEvent event = NextFormEvent(choices, form.Form());
            const std::string fault = form.Apply(event);
            ASSERT_TRUE(fault.empty())
                << "sequence " << sequence << ", event " << n << ", " << Describe(event) << ":\n"
                << fault;
        }
        reached.longEncryptions += form.Coverage().longEncryptions;
        reached.rowsPastNumberList += form.Coverage().rowsPastNumberList;
        reached.editsInsidePairs += form.Coverage().editsInsidePairs;
        reached.cutInsertions += form.Coverage().cutInsertions;
    }
    RecordProperty("long_encryptions", std::to_string(reached.longEncryptions));
    RecordProperty("rows_past_number_list", std::to_string(reached.rowsPastNumberList));
    RecordProperty("edits_inside_pairs", std::to_string(reached.editsInsidePairs));
    RecordProperty("cut_insertions", std::to_string(reached.cutInsertions));
    // A run that never met these cases would prove little about them.
    EXPECT_GT(reached.longEncryptions, 0);
    EXPECT_GT(reached.rowsPastNumberList, 0);
    EXPECT_GT(reached.editsInsidePairs, 0);
    EXPECT_GT(reached.cutInsertions, 0);
}

}  // namespace
