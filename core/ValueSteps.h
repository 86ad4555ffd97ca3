#pragma once

#include <string>
#include <string_view>

namespace orgola {

enum class StepDirection { Up, Down };

// The delay field's text after one step of the delay spin button: the integer text moved by 2
// (down stops at 0), then rounded toward zero to a whole even number of seconds. Integer
// arithmetic wraps around in 32 bits. Throws Error::notInteger when the text is no integer.
std::string steppedDelay(std::string_view delayText, StepDirection direction);

// The repeat count field's text after one step of its spin button: the integer text moved by 1,
// wrapping around in 32 bits, and down stops at 1. Throws Error::notInteger when the text is no
// integer.
std::string steppedRepeatCount(std::string_view repeatCountText, StepDirection direction);

}  // namespace orgola
