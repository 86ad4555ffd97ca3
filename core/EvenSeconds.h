#pragma once

#include <string>
#include <string_view>

namespace orgola {

// A delay rounded toward zero to a whole even number of seconds.
struct EvenSeconds {
    float value;       // held in 32 bits, as the firmware macro is computed from it
    std::string text;  // the number text the delay field is rewritten with
};

// Reads the delay text as a 32-bit float x and gives Int(x / 2) * 2: 13 gives 12, 1 gives 0,
// -3 gives -2, -1 gives 0 (never "-0"), 2147483647 gives 2147483648. Throws Error::notFloat
// for text that is no floating number (hexadecimal forms included).
EvenSeconds roundToEvenSeconds(std::string_view delayText);

}  // namespace orgola
