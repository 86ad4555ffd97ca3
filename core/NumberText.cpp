#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "Error.h"

namespace orgola {

namespace {

constexpr int kSignificantDigits = 15;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The checked number without its spaces and "+" sign, ready for from_chars, together with the
// decimal exponent of its first significant digit (tells overflow from underflow).
struct FloatSyntax {
    std::string number;
    long long magnitude = 0;
};

std::optional<FloatSyntax> checkFloatSyntax(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    FloatSyntax result;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') {
            result.number += '-';
        }
        ++i;
    }
    long long digits = 0;
    long long integerDigits = 0;
    long long firstNonZero = -1;  // index among the mantissa's digits
    bool inFraction = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            if (c != '0' && firstNonZero < 0) {
                firstNonZero = digits;
            }
            ++digits;
            if (!inFraction) {
                ++integerDigits;
            }
        } else if (c == '.' && !inFraction) {
            inFraction = true;
        } else {
            break;
        }
        result.number += c;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        result.number += 'e';
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            result.number += text[i];
            ++i;
        }
        int exponentDigits = 0;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            ++exponentDigits;
            result.number += text[i];
            if (exponent < 1'000'000'000) {
                exponent = exponent * 10 + (text[i] - '0');
            }
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    // "123" has its first significant digit at 10^2, "0.05" at 10^-2.
    result.magnitude = integerDigits - 1 - firstNonZero + exponent;
    return result;
}

std::optional<float> readFloat(std::string_view text) {
    const auto syntax = checkFloatSyntax(text);
    if (!syntax) {
        return std::nullopt;
    }
    const std::string& number = syntax->number;
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (syntax->magnitude >= 0) {
            return std::nullopt;
        }
        value = number.front() == '-' ? -0.0 : 0.0;
    } else if (error != std::errc() || end != number.data() + number.size()) {
        return std::nullopt;
    }
    const auto single = static_cast<float>(value);
    if (std::isinf(single)) {
        return std::nullopt;
    }
    return single;
}

}  // namespace

std::string formatNumber(double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    if (value == 0.0) {
        return "0";
    }
    // to_chars, unlike printf, ignores the locale: "d.dddddddddddddde[+-]xx".
    char buffer[64];
    const auto printed = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, kSignificantDigits - 1);
    const std::string text(buffer, printed.ptr);
    const auto ePosition = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, ePosition - 2);
    const int exponent = std::stoi(text.substr(ePosition + 1));
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }

    std::string result = value < 0 ? "-" : "";
    if (exponent >= -4 && exponent < kSignificantDigits) {
        if (exponent >= 0) {
            const auto integerLength = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= integerLength) {
                result += digits + std::string(integerLength - digits.size(), '0');
            } else {
                result += digits.substr(0, integerLength) + "." + digits.substr(integerLength);
            }
        } else {
            result += "0.";
            result.append(static_cast<std::size_t>(-exponent - 1), '0');
            result += digits;
        }
    } else {
        result += digits.substr(0, 1);
        if (digits.size() > 1) {
            result += '.';
            result.append(digits, 1);
        }
        result += 'E';
        result += std::to_string(exponent);
    }
    return result;
}

float parseFloat(std::string_view text) {
    if (const auto value = readFloat(text)) {
        return *value;
    }
    throw Error::notFloat(text);
}

}  // namespace orgola
