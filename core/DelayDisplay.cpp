#include "DelayDisplay.h"

#include <cmath>

#include "IntegerText.h"
#include "NumberText.h"

namespace orgola {

std::string delayDisplayText(std::string_view delayText) {
    // Each intermediate is held as a 32-bit float, as the display has always computed it.
    const auto seconds = static_cast<float>(parseInteger(delayText));
    const auto minutes = static_cast<float>(std::trunc(static_cast<double>(seconds) / 60.0));
    const auto rest =
        static_cast<float>(static_cast<double>(seconds) - static_cast<double>(minutes) * 60.0);
    return formatNumber(minutes) + " 分 " + formatNumber(rest) + " 秒後に鳴る";
}

}  // namespace orgola
