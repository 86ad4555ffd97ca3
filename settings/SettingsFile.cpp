#include "SettingsFile.h"

#include <array>
#include <vector>

#include "IntegerText.h"
#include "TextFile.h"

namespace orgola {

namespace {

constexpr std::size_t kLineCount = 13;

// Lines 1 to 4, in file order.
constexpr std::array<int WindowRect::*, 4> kRectLines = {&WindowRect::width, &WindowRect::height,
                                                         &WindowRect::left, &WindowRect::top};

// One option of an exclusive group: checking it is setting its group to it.
struct OptionLine {
    void (*check)(Settings&);
    bool (*isChecked)(const Settings&);
};

template <auto Group, auto Value>
constexpr OptionLine option() {
    return {[](Settings& settings) { settings.*Group = Value; },
            [](const Settings& settings) { return settings.*Group == Value; }};
}

// Lines 5 to 11, in file order: RB2313, RB45, RBtomori, RBhidaspx, RBakarui, RBkurai, RBsinai.
constexpr std::array<OptionLine, 7> kOptionLines = {
    option<&Settings::chip, Chip::Attiny2313>(),
    option<&Settings::chip, Chip::Attiny45>(),
    option<&Settings::programmer, Programmer::LearningCircuit>(),
    option<&Settings::programmer, Programmer::Hidaspx>(),
    option<&Settings::trigger, Trigger::Bright>(),
    option<&Settings::trigger, Trigger::Dark>(),
    option<&Settings::trigger, Trigger::None>(),
};

}  // namespace

void loadSettings(const std::string& path, Settings& settings) {
    std::vector<std::string> lines = readTextLines(path, kLineCount);
    lines.resize(kLineCount);
    auto line = lines.begin();
    for (const auto field : kRectLines) {
        settings.window.*field = parseInteger(*line++);
    }
    for (const auto& option : kOptionLines) {
        if (*line++ == "TRUE") {
            option.check(settings);
        }
    }
    settings.repeatCount = *line++;
    settings.delay = *line++;
}

void saveSettings(const std::string& path, const Settings& settings) {
    std::vector<std::string> lines;
    for (const auto field : kRectLines) {
        lines.push_back(std::to_string(settings.window.*field));
    }
    for (const auto& option : kOptionLines) {
        lines.push_back(option.isChecked(settings) ? "TRUE" : "FALSE");
    }
    lines.push_back(settings.repeatCount);
    lines.push_back(settings.delay);
    writeTextFile(path, lines);
}

}  // namespace orgola
