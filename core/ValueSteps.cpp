#include "ValueSteps.h"

#include <cstdint>

#include "EvenSeconds.h"
#include "IntegerText.h"

namespace orgola {

namespace {

// n + step in 32-bit two's complement: 2147483647 + 1 gives -2147483648.
std::int32_t wrappingAdd(std::int32_t n, std::int32_t step) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(n) +
                                     static_cast<std::uint32_t>(step));
}

std::int32_t stepped(std::string_view text, StepDirection direction, std::int32_t step,
                     std::int32_t lowest) {
    const std::int32_t moved =
        wrappingAdd(parseInteger(text), direction == StepDirection::Up ? step : -step);
    return direction == StepDirection::Down && moved < lowest ? lowest : moved;
}

}  // namespace

std::string steppedDelay(std::string_view delayText, StepDirection direction) {
    const std::int32_t seconds = stepped(delayText, direction, 2, 0);
    return roundToEvenSeconds(std::to_string(seconds)).text;
}

std::string steppedRepeatCount(std::string_view repeatCountText, StepDirection direction) {
    return std::to_string(stepped(repeatCountText, direction, 1, 1));
}

}  // namespace orgola
