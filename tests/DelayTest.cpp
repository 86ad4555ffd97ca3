#include <gtest/gtest.h>

#include <string>

#include "CaughtError.h"
#include "DelayDisplay.h"
#include "Error.h"
#include "EvenSeconds.h"

namespace orgola {
namespace {

struct Rounded {
    const char* delay;
    float value;
    const char* text;
};

void PrintTo(const Rounded& c, std::ostream* os) {
    *os << '"' << c.delay << '"';
}

class EvenSecondRounding : public testing::TestWithParam<Rounded> {};

TEST_P(EvenSecondRounding, RoundsTowardZero) {
    const EvenSeconds rounded = roundToEvenSeconds(GetParam().delay);
    EXPECT_EQ(rounded.value, GetParam().value);
    EXPECT_EQ(rounded.text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Delays, EvenSecondRounding,
                         testing::Values(Rounded{"0", 0.0f, "0"}, Rounded{"1", 0.0f, "0"},
                                         Rounded{"13", 12.0f, "12"}, Rounded{"14", 14.0f, "14"},
                                         Rounded{"7", 6.0f, "6"}, Rounded{"-3", -2.0f, "-2"},
                                         Rounded{"-1", 0.0f, "0"},  // never "-0"
                                         Rounded{" +14", 14.0f, "14"}, Rounded{"2.5", 2.0f, "2"},
                                         Rounded{"2147483647", 2147483648.0f, "2147483648"}));

TEST(EvenSecondRounding, RejectsHexadecimalDelays) {
    EXPECT_EQ(test::errorMessageOf([] { roundToEvenSeconds("$10"); }),
              "'$10' は浮動小数点数ではありません");
}

struct Displayed {
    const char* delay;
    const char* caption;
};

void PrintTo(const Displayed& c, std::ostream* os) {
    *os << c.delay;
}

class DelayDisplayCaption : public testing::TestWithParam<Displayed> {};

TEST_P(DelayDisplayCaption, MinutesAndSeconds) {
    EXPECT_EQ(delayDisplayText(GetParam().delay), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Delays, DelayDisplayCaption,
    testing::Values(Displayed{"0", "0 分 0 秒後に鳴る"}, Displayed{"125", "2 分 5 秒後に鳴る"},
                    Displayed{"60", "1 分 0 秒後に鳴る"}, Displayed{"59", "0 分 59 秒後に鳴る"},
                    Displayed{"-125", "-2 分 -5 秒後に鳴る"},
                    Displayed{"-30", "0 分 -30 秒後に鳴る"},  // a zero part carries no sign
                    Displayed{"$FF", "4 分 15 秒後に鳴る"},
                    // In 32-bit floats 2147483647 is 2^31 and the minutes round to 35791392.
                    Displayed{"2147483647", "35791392 分 128 秒後に鳴る"}));

TEST(DelayDisplayCaption, RejectsTextThatIsNoInteger) {
    EXPECT_EQ(test::errorMessageOf([] { delayDisplayText("abc"); }), "'abc' は整数ではありません");
    EXPECT_EQ(test::errorMessageOf([] { delayDisplayText(""); }), "'' は整数ではありません");
}

}  // namespace
}  // namespace orgola
