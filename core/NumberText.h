#pragma once

#include <string>
#include <string_view>

namespace orgola {

// Prints a floating value the way the system shows numbers: at most 15 significant digits,
// no trailing zeros or unneeded decimal point, fixed notation for 0.0001 <= |value| < 1e15 and
// otherwise "1.5E20" / "1E-5" (no "+", no leading zeros in the exponent). Zero, negative zero
// included, prints as "0".
std::string formatNumber(double value);

// Reads text as a floating number held in 32 bits: leading and trailing spaces, an optional
// sign, decimal digits with an optional "." and an optional exponent ("E" or "e", optional sign,
// digits). Hexadecimal forms, empty text and values beyond the 32-bit float range throw
// Error::notFloat; values too small to hold read as zero.
float parseFloat(std::string_view text);

}  // namespace orgola
