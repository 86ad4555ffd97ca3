#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "BaseDirectory.h"
#include "CaughtError.h"
#include "Error.h"
#include "SettingsFile.h"
#include "TempFolder.h"
#include "WorkingFolder.h"

namespace orgola {
namespace {

const std::string kDefaultFile =
    "745\r\n210\r\n283\r\n172\r\nTRUE\r\nFALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\nFALSE\r\nFALSE\r\n"
    "1\r\n0\r\n";

// The file of the defaults with some lines (numbered from 1) replaced.
std::string defaultFileWith(const std::map<int, std::string>& replaced) {
    std::string result;
    int number = 1;
    for (std::size_t start = 0; start < kDefaultFile.size(); ++number) {
        const std::size_t end = kDefaultFile.find("\r\n", start);
        const auto replacement = replaced.find(number);
        result += replacement != replaced.end() ? replacement->second
                                                : kDefaultFile.substr(start, end - start);
        result += "\r\n";
        start = end + 2;
    }
    return result;
}

TEST(SettingsFile, SavesTheThirteenLines) {
    test::TempFolder folder;
    saveSettings(folder.file(kSettingsFileName), Settings{});
    EXPECT_EQ(test::readBytes(folder.file(kSettingsFileName)), kDefaultFile);
}

TEST(SettingsFile, LoadingWhatWasSavedRestoresEverything) {
    const Settings choices[] = {
        {{-40, 1200, 800, 300}, Chip::Attiny45, Programmer::Hidaspx, Trigger::Dark, "3", "13"},
        {{0, 0, 1, 1}, Chip::Attiny2313, Programmer::Hidaspx, Trigger::None, "", "abc"},
        {{283, 172, 745, 210},
         Chip::Attiny45,
         Programmer::LearningCircuit,
         Trigger::Bright,
         " 2 回",
         "$1E"},
    };
    for (const Settings& saved : choices) {
        test::TempFolder folder;
        saveSettings(folder.file(kSettingsFileName), saved);
        Settings loaded;
        loadSettings(folder.file(kSettingsFileName), loaded);
        EXPECT_EQ(loaded, saved) << saved.repeatCount;
    }
}

struct LoadCase {
    const char* what;
    std::string file;
    Settings expected;
    std::optional<std::string> error;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.what;
}

Settings defaultsWith(void (*change)(Settings&)) {
    Settings settings;
    change(settings);
    return settings;
}

class LoadSettings : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadSettings, AppliesLinesInOrderUpToAFailure) {
    test::TempFolder folder;
    test::writeBytes(folder.file(kSettingsFileName), GetParam().file);
    Settings settings;
    std::optional<std::string> error;
    try {
        loadSettings(folder.file(kSettingsFileName), settings);
    } catch (const Error& e) {
        error = e.message();
    }
    EXPECT_EQ(error, GetParam().error);
    EXPECT_EQ(settings, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadSettings,
    testing::Values(
        LoadCase{"zero bytes", "", Settings{}, "'' は整数ではありません"},
        LoadCase{"bad height", "800\r\nabc\r\n0\r\n0\r\nFALSE\r\nTRUE\r\n",
                 defaultsWith([](Settings& s) { s.window.width = 800; }),
                 "'abc' は整数ではありません"},
        LoadCase{"bad top", "800\r\n300\r\n-5\r\n1.5\r\nFALSE\r\nTRUE\r\n",
                 defaultsWith([](Settings& s) {
                     s.window = {-5, 172, 800, 300};
                 }),
                 "'1.5' は整数ではありません"},
        LoadCase{"trailing space", defaultFileWith({{1, "800 "}}), Settings{},
                 "'800 ' は整数ではありません"},
        LoadCase{"integer forms",
                 defaultFileWith({{1, "$320"}, {2, " 300"}, {3, "+10"}, {4, "-20"}}),
                 defaultsWith([](Settings& s) {
                     s.window = {10, -20, 800, 300};
                 }),
                 std::nullopt},
        LoadCase{"lower-case true", defaultFileWith({{6, "true"}}), Settings{}, std::nullopt},
        LoadCase{"both chips TRUE", defaultFileWith({{6, "TRUE"}}),
                 defaultsWith([](Settings& s) { s.chip = Chip::Attiny45; }), std::nullopt},
        LoadCase{"HIDaspx", defaultFileWith({{7, "FALSE"}, {8, "TRUE"}}),
                 defaultsWith([](Settings& s) { s.programmer = Programmer::Hidaspx; }),
                 std::nullopt},
        LoadCase{"no reaction", defaultFileWith({{9, "FALSE"}, {11, "TRUE"}}),
                 defaultsWith([](Settings& s) { s.trigger = Trigger::None; }), std::nullopt},
        LoadCase{"twelve lines", kDefaultFile.substr(0, kDefaultFile.size() - 3),
                 defaultsWith([](Settings& s) { s.delay = ""; }), std::nullopt},
        LoadCase{"bad delay loads as it is", defaultFileWith({{13, "abc"}}),
                 defaultsWith([](Settings& s) { s.delay = "abc"; }), std::nullopt},
        LoadCase{"lines after 13", kDefaultFile + "TRUE\r\nTRUE\r\n", Settings{}, std::nullopt},
        LoadCase{"Japanese texts", defaultFileWith({{12, "\x82\x52"}}) + "ignored",
                 defaultsWith([](Settings& s) { s.repeatCount = "３"; }), std::nullopt}),
    [](const testing::TestParamInfo<LoadCase>& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) {
                c = '_';
            }
        }
        return name;
    });

TEST(SettingsFile, AGroupWithoutTrueKeepsItsChoice) {
    test::TempFolder folder;
    test::writeBytes(folder.file(kSettingsFileName),
                     defaultFileWith({{5, "FALSE"}, {7, "FALSE"}, {9, "false"}}));
    Settings settings;
    settings.chip = Chip::Attiny45;
    settings.programmer = Programmer::Hidaspx;
    settings.trigger = Trigger::Dark;
    const Settings before = settings;
    loadSettings(folder.file(kSettingsFileName), settings);
    EXPECT_EQ(settings, before);
}

TEST(SettingsFile, TheLastTrueOfAGroupWins) {
    test::TempFolder folder;
    std::map<int, std::string> allTrue;
    for (int line = 5; line <= 11; ++line) {
        allTrue[line] = "TRUE";
    }
    test::writeBytes(folder.file(kSettingsFileName), defaultFileWith(allTrue));
    Settings settings;
    loadSettings(folder.file(kSettingsFileName), settings);
    EXPECT_EQ(settings.chip, Chip::Attiny45);
    EXPECT_EQ(settings.programmer, Programmer::Hidaspx);
    EXPECT_EQ(settings.trigger, Trigger::None);
}

TEST(SettingsFile, NoReactionIsSavedAsTheSeventhOption) {
    test::TempFolder folder;
    Settings settings;
    settings.trigger = Trigger::None;
    saveSettings(folder.file(kSettingsFileName), settings);
    EXPECT_EQ(test::readBytes(folder.file(kSettingsFileName)),
              defaultFileWith({{9, "FALSE"}, {11, "TRUE"}}));
}

TEST(SettingsFile, AMissingFileChangesNothing) {
    test::TempFolder folder;
    Settings settings;
    EXPECT_EQ(test::errorMessageOf([&] { loadSettings(folder.file(kSettingsFileName), settings); }),
              "ファイルが見つかりません");
    EXPECT_EQ(settings, Settings{});
}

#ifndef _WIN32  // Windows: FileSystemWin32Test.cpp
TEST(BaseDirectory, IsTheCurrentFolderWithASeparator) {
    test::TempFolder folder;
    {
        test::WorkingFolder inside(folder.path());
        EXPECT_EQ(baseDirectory(), folder.path() + "/");
    }
    test::WorkingFolder root("/");
    EXPECT_EQ(baseDirectory(), "//");  // appended whatever the folder ends with
}

TEST(BaseDirectory, AFolderRemovedUnderneathIsABadName) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder.file("gone"));
    test::WorkingFolder inside(folder.file("gone"));
    std::filesystem::remove(folder.file("gone"));
    EXPECT_EQ(test::errorMessageOf([] { baseDirectory(); }), "不正なファイル名です");
}

#endif

}  // namespace
}  // namespace orgola
