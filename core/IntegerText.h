#pragma once

#include <cstdint>
#include <string_view>

namespace orgola {

// Reads the text of an edit field as a signed 32-bit integer: leading spaces (no tabs), then
// either an optional "+" or "-" and decimal digits, or one of the prefixes "$", "x", "X", "0x",
// "0X" and up to eight significant hexadecimal digits (80000000..FFFFFFFF are the negative
// numbers of that bit pattern). Nothing may follow. Throws Error::notInteger otherwise.
std::int32_t parseInteger(std::string_view text);

}  // namespace orgola
