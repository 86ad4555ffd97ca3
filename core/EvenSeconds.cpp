#include "EvenSeconds.h"

#include <cmath>

#include "NumberText.h"

namespace orgola {

EvenSeconds roundToEvenSeconds(std::string_view delayText) {
    const float x = parseFloat(delayText);
    const auto y = static_cast<float>(std::trunc(static_cast<double>(x) / 2.0) * 2.0);
    return {y, formatNumber(y)};
}

}  // namespace orgola
