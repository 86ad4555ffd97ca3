#include <gtest/gtest.h>

#include <string>

#include "CaughtError.h"
#include "Error.h"
#include "NumberText.h"

namespace orgola {
namespace {

struct Printed {
    double value;
    const char* text;
};

void PrintTo(const Printed& c, std::ostream* os) {
    *os << c.text;
}

class NumberTextPrints : public testing::TestWithParam<Printed> {};

TEST_P(NumberTextPrints, Text) {
    EXPECT_EQ(formatNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextPrints,
    testing::Values(Printed{0.0, "0"}, Printed{-0.0, "0"}, Printed{10.0, "10"}, Printed{-2.0, "-2"},
                    Printed{6.0, "6"}, Printed{2147483648.0, "2147483648"}, Printed{0.5, "0.5"},
                    Printed{-1.25, "-1.25"}, Printed{0.0001, "0.0001"},
                    Printed{0.00012345, "0.00012345"}, Printed{0.00001, "1E-5"},
                    Printed{-1.5e-7, "-1.5E-7"}, Printed{999999999999999.0, "999999999999999"},
                    Printed{1e15, "1E15"}, Printed{1.5e20, "1.5E20"},
                    Printed{123456789012345678.0, "1.23456789012346E17"},
                    // Rounding to 15 digits can carry into the next power of ten.
                    Printed{9999999999999999.0, "1E16"}, Printed{99999.99999999999, "100000"},
                    Printed{1.0 / 3.0, "0.333333333333333"},
                    Printed{static_cast<double>(0.1f), "0.100000001490116"}));

struct ParsedFloat {
    const char* text;
    float value;
};

void PrintTo(const ParsedFloat& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class FloatTextAccepts : public testing::TestWithParam<ParsedFloat> {};

TEST_P(FloatTextAccepts, Value) {
    EXPECT_EQ(parseFloat(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FloatTextAccepts,
    testing::Values(ParsedFloat{"14", 14.0f}, ParsedFloat{" 14 ", 14.0f}, ParsedFloat{"+14", 14.0f},
                    ParsedFloat{"-3", -3.0f}, ParsedFloat{"1.5", 1.5f}, ParsedFloat{".5", 0.5f},
                    ParsedFloat{"5.", 5.0f}, ParsedFloat{"1e3", 1000.0f},
                    ParsedFloat{"1E+3", 1000.0f}, ParsedFloat{"25e-1", 2.5f},
                    ParsedFloat{"1e-50", 0.0f}, ParsedFloat{"1e-400", 0.0f},
                    ParsedFloat{"0.000e999999999999", 0.0f},
                    // Held in 32 bits: the largest 32-bit integer becomes 2^31.
                    ParsedFloat{"2147483647", 2147483648.0f}));

class FloatTextRejects : public testing::TestWithParam<std::string> {};

TEST_P(FloatTextRejects, WithTheFloatingMessage) {
    const std::string& text = GetParam();
    EXPECT_EQ(test::errorMessageOf([&] { parseFloat(text); }),
              "'" + text + "' は浮動小数点数ではありません");
}

INSTANTIATE_TEST_SUITE_P(Forms, FloatTextRejects,
                         testing::Values("", " ", "$10", "0x10", "x10", "X10", "abc", ".", "-", "+",
                                         "1e", "1e+", "e5", "1.2.3", "1,5", "\t1", "1\t", "1 2",
                                         "inf", "nan", "1e39", "1e400", "-1e400"));

}  // namespace
}  // namespace orgola
