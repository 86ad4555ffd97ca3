#pragma once

#include <string>

namespace orgola {

// The window's outer rectangle in screen coordinates.
struct WindowRect {
    int left = 283;
    int top = 172;
    int width = 745;
    int height = 210;

    bool operator==(const WindowRect&) const = default;
};

// The option groups: exactly one option of each is checked.
enum class Chip { Attiny2313, Attiny45 };
enum class Programmer { LearningCircuit, Hidaspx };
enum class Trigger { Bright, Dark, None };  // None is the hidden "反応しない" option

// Everything the settings file keeps; the defaults are those of a first start.
struct Settings {
    WindowRect window;
    Chip chip = Chip::Attiny2313;
    Programmer programmer = Programmer::LearningCircuit;
    Trigger trigger = Trigger::Bright;
    std::string repeatCount = "1";
    std::string delay = "0";

    bool operator==(const Settings&) const = default;
};

}  // namespace orgola
