#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "CaughtError.h"
#include "Error.h"
#include "IntegerText.h"

namespace orgola {
namespace {

struct Accepted {
    const char* text;
    std::int32_t value;
};

void PrintTo(const Accepted& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class IntegerTextAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(IntegerTextAccepts, Value) {
    EXPECT_EQ(parseInteger(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Forms, IntegerTextAccepts,
    testing::Values(Accepted{"0", 0}, Accepted{"-0", 0}, Accepted{"7", 7}, Accepted{"+14", 14},
                    Accepted{" +14", 14}, Accepted{"   -3", -3}, Accepted{"007", 7},
                    Accepted{"2147483647", 2147483647}, Accepted{"-2147483648", INT32_MIN},
                    Accepted{"$FFFFFFFF", -1}, Accepted{"$ffffffff", -1},
                    Accepted{"$80000000", INT32_MIN}, Accepted{"$7FFFFFFF", 2147483647},
                    Accepted{"$000000001", 1}, Accepted{"x1A", 26}, Accepted{"X1a", 26},
                    Accepted{"0x10", 16}, Accepted{"0X10", 16}, Accepted{" $10", 16}));

class IntegerTextRejects : public testing::TestWithParam<std::string> {};

TEST_P(IntegerTextRejects, WithTheConversionMessage) {
    const std::string& text = GetParam();
    EXPECT_EQ(test::errorMessageOf([&] { parseInteger(text); }),
              "'" + text + "' は整数ではありません");
}

INSTANTIATE_TEST_SUITE_P(Forms, IntegerTextRejects,
                         testing::Values("", " ", "\t1", "1 ", "1\t", "abc", "1.5", "2.", "1e3",
                                         "--1", "+", "-", "+ 1", "2147483648", "-2147483649",
                                         "99999999999999999999", "+$1", "-$1", "-0x1", "$", "x",
                                         "X", "0x", "0X", "$123456789", "0x1G", "$ 1", "１",
                                         std::string("1\0", 2)));

}  // namespace
}  // namespace orgola
