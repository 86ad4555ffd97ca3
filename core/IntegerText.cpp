#include "IntegerText.h"

#include <optional>

#include "Error.h"

namespace orgola {

namespace {

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int> hexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return std::nullopt;
}

std::optional<std::int32_t> parseHexDigits(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    int significant = 0;
    for (char c : digits) {
        const auto digit = hexDigitValue(c);
        if (!digit) {
            return std::nullopt;
        }
        if (value != 0 || *digit != 0) {
            if (++significant > 8) {
                return std::nullopt;
            }
        }
        value = (value << 4) | static_cast<std::uint32_t>(*digit);
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> parseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (char c : text) {
        if (!isDecimalDigit(c)) {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::optional<std::int32_t> parse(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    for (std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (text.substr(0, prefix.size()) == prefix) {
            return parseHexDigits(text.substr(prefix.size()));
        }
    }
    return parseDecimal(text);
}

}  // namespace

std::int32_t parseInteger(std::string_view text) {
    if (const auto value = parse(text)) {
        return *value;
    }
    throw Error::notInteger(text);
}

}  // namespace orgola
