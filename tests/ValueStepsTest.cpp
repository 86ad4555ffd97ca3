#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "CaughtError.h"
#include "ValueSteps.h"

namespace orgola {
namespace {

struct Step {
    const char* before;
    StepDirection direction;
    const char* after;
};

void PrintTo(const Step& c, std::ostream* os) {
    *os << '"' << c.before << '"' << (c.direction == StepDirection::Up ? " up" : " down");
}

constexpr auto Up = StepDirection::Up;
constexpr auto Down = StepDirection::Down;

class DelayStep : public testing::TestWithParam<Step> {};

TEST_P(DelayStep, MovesByTwoAndKeepsEvenSeconds) {
    EXPECT_EQ(steppedDelay(GetParam().before, GetParam().direction), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Delays, DelayStep,
    testing::Values(Step{"0", Down, "0"}, Step{"0", Up, "2"}, Step{"58", Up, "60"},
                    Step{"60", Down, "58"}, Step{"2", Down, "0"},
                    // odd delays move by 2, then round toward zero
                    Step{"7", Up, "8"}, Step{"7", Down, "4"}, Step{"3", Down, "0"},
                    Step{"1", Down, "0"}, Step{"-3", Up, "0"},  // never "-0"
                    Step{"-5", Up, "-2"}, Step{"-4", Up, "-2"},
                    // every negative delay goes down to 0
                    Step{"-1", Down, "0"}, Step{"-100", Down, "0"},
                    // integer texts of other forms come back in decimal
                    Step{"$10", Up, "18"}, Step{"0x10", Down, "14"}, Step{" +6", Up, "8"},
                    // 32-bit wrap-around comes before the clamp, and the rounding works in
                    // 32-bit floats, exact below 2^25 only
                    Step{"33554430", Up, "33554432"}, Step{"33554433", Up, "33554436"},
                    Step{"2147483646", Up, "-2147483648"}, Step{"-2147483648", Down, "2147483648"},
                    Step{"-2147483648", Up, "-2147483648"}, Step{"2147483645", Up, "2147483648"}));

class RepeatCountStep : public testing::TestWithParam<Step> {};

TEST_P(RepeatCountStep, MovesByOneAndStaysAtLeastOne) {
    EXPECT_EQ(steppedRepeatCount(GetParam().before, GetParam().direction), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(RepeatCounts, RepeatCountStep,
                         testing::Values(Step{"1", Down, "1"}, Step{"1", Up, "2"},
                                         Step{"2", Down, "1"}, Step{"0", Down, "1"},
                                         Step{"-5", Up, "-4"}, Step{"-5", Down, "1"},
                                         Step{"0", Up, "1"}, Step{"$FF", Up, "256"},
                                         Step{"xFFFFFFFF", Up, "0"},
                                         Step{"2147483647", Up, "-2147483648"},
                                         Step{"-2147483648", Down, "2147483647"}));

TEST(ValueSteps, TextThatIsNoIntegerIsReported) {
    for (const char* text : {"", "abc", "2.5", "1e3", "3 "}) {
        for (const StepDirection direction : {Up, Down}) {
            EXPECT_EQ(test::errorMessageOf([&] { steppedDelay(text, direction); }),
                      std::string("'") + text + "' は整数ではありません");
            EXPECT_EQ(test::errorMessageOf([&] { steppedRepeatCount(text, direction); }),
                      std::string("'") + text + "' は整数ではありません");
        }
    }
}

}  // namespace
}  // namespace orgola
