#pragma once

#include <string>
#include <string_view>

namespace orgola {

// The caption of the delay display for the text of the delay field: minutes and seconds, each
// truncated toward zero ("2 分 5 秒後に鳴る" for 125, "-2 分 -5 秒後に鳴る" for -125).
// Throws Error::notInteger when the delay text is no integer.
std::string delayDisplayText(std::string_view delayText);

}  // namespace orgola
