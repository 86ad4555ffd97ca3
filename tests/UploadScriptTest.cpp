#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "CaughtError.h"
#include "Error.h"
#include "TempFolder.h"
#include "UploadScript.h"
#include "platform/Cp932.h"

namespace orgola {
namespace {

std::string golden(const std::string& name) {
    return test::readBytes(std::string(ORGOLA_GOLDEN_DIR) + "/" + name);
}

// The script's text as the window would hold it after a Set click.
std::string assembled(Settings& settings) {
    std::string buffer = "left over from an earlier click";
    assembleUploadScript(settings, buffer);
    return buffer;
}

std::string compileLineOf(const std::string& script) {
    const auto start = script.find("avr-gcc");
    return script.substr(start, script.find("\r\n", start) - start);
}

struct GoldenCase {
    const char* file;
    Settings settings;
    const char* delayAfter;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
    *os << c.file;
}

class UploadScriptGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(UploadScriptGolden, WritesTheExactBytes) {
    test::TempFolder folder;
    Settings settings = GetParam().settings;
    std::string buffer;
    assembleUploadScript(settings, buffer);
    writeUploadScript(folder.file(kUploadScriptFileName), buffer);
    EXPECT_EQ(test::readBytes(folder.file(kUploadScriptFileName)), golden(GetParam().file));
    EXPECT_EQ(settings.delay, GetParam().delayAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UploadScriptGolden,
    testing::Values(GoldenCase{"upload_defaults.bat", Settings{}, "0"},
                    GoldenCase{"upload_attiny45_hidaspx_dark_3_13.bat",
                               {{}, Chip::Attiny45, Programmer::Hidaspx, Trigger::Dark, "3", "13"},
                               "12"}));

struct CompileCase {
    Settings settings;
    const char* compileLine;
    const char* delayAfter;
};

void PrintTo(const CompileCase& c, std::ostream* os) {
    *os << "repeat \"" << c.settings.repeatCount << "\" delay \"" << c.settings.delay << '"';
}

class UploadScriptCompileLine : public testing::TestWithParam<CompileCase> {};

TEST_P(UploadScriptCompileLine, CarriesTheChoices) {
    Settings settings = GetParam().settings;
    EXPECT_EQ(compileLineOf(assembled(settings)), GetParam().compileLine);
    EXPECT_EQ(settings.delay, GetParam().delayAfter);
}

Settings withDelay(const char* repeatCount, const char* delay) {
    Settings settings;
    settings.repeatCount = repeatCount;
    settings.delay = delay;
    return settings;
}

INSTANTIATE_TEST_SUITE_P(
    Choices, UploadScriptCompileLine,
    testing::Values(
        CompileCase{withDelay("5", "120"),
                    "avr-gcc -Os -mmcu=attiny2313 -DEND_REPEAT_NUM=5 -DFIXED_DOWN_TIMER_SEC=60 "
                    "tonefw.c -o 2313.elf",
                    "120"},
        // The delay is not 0, but rounds to 0: no timer macro.
        CompileCase{withDelay("1", "1"),
                    "avr-gcc -Os -mmcu=attiny2313 -DEND_REPEAT_NUM=1 tonefw.c -o 2313.elf", "0"},
        CompileCase{withDelay("1", "-3"),
                    "avr-gcc -Os -mmcu=attiny2313 -DEND_REPEAT_NUM=1 -DFIXED_DOWN_TIMER_SEC=-1 "
                    "tonefw.c -o 2313.elf",
                    "-2"},
        CompileCase{withDelay("1", "-1"),
                    "avr-gcc -Os -mmcu=attiny2313 -DEND_REPEAT_NUM=1 tonefw.c -o 2313.elf", "0"},
        CompileCase{withDelay("1", "  +14"),
                    "avr-gcc -Os -mmcu=attiny2313 -DEND_REPEAT_NUM=1 -DFIXED_DOWN_TIMER_SEC=7 "
                    "tonefw.c -o 2313.elf",
                    "14"},
        CompileCase{withDelay("1", "2147483520"),
                    "avr-gcc -Os -mmcu=attiny2313 -DEND_REPEAT_NUM=1 "
                    "-DFIXED_DOWN_TIMER_SEC=1073741760 tonefw.c -o 2313.elf",
                    "2147483520"},
        // The repeat count goes in as it is typed.
        CompileCase{withDelay("", "0"),
                    "avr-gcc -Os -mmcu=attiny2313 -DSTART_REPEAT_NUM= tonefw.c -o 2313.elf", "0"},
        CompileCase{withDelay("2.5 x", "0"),
                    "avr-gcc -Os -mmcu=attiny2313 -DSTART_REPEAT_NUM=2.5 x tonefw.c -o 2313.elf",
                    "0"}));

struct ProgrammingCase {
    Chip chip;
    Programmer programmer;
    const char* line;
};

void PrintTo(const ProgrammingCase& c, std::ostream* os) {
    *os << c.line;
}

class UploadScriptProgrammingLine : public testing::TestWithParam<ProgrammingCase> {};

TEST_P(UploadScriptProgrammingLine, FollowsDeviceAndChip) {
    Settings settings;
    settings.chip = GetParam().chip;
    settings.programmer = GetParam().programmer;
    const std::string script = assembled(settings);
    EXPECT_NE(script.find("\r\n\r\n" + std::string(GetParam().line) + "\r\n\r\nif ERRORLEVEL 1"),
              std::string::npos)
        << script;
}

INSTANTIATE_TEST_SUITE_P(
    Devices, UploadScriptProgrammingLine,
    testing::Values(ProgrammingCase{Chip::Attiny2313, Programmer::Hidaspx,
                                    "hidspx -ph -d4 -fl11100100 orgola.hex"},
                    ProgrammingCase{Chip::Attiny45, Programmer::Hidaspx,
                                    "hidspx -ph -d4 -fl11100010 orgola.hex"},
                    ProgrammingCase{Chip::Attiny2313, Programmer::LearningCircuit,
                                    "hidspx -php -d4 -fl11100100 orgola.hex"},
                    ProgrammingCase{Chip::Attiny45, Programmer::LearningCircuit,
                                    "hidspx -php -d4 -fl11100010 orgola.hex"}));

TEST(UploadScript, NoReactionWritesTheScriptOfBright) {
    Settings bright;
    Settings none;
    none.trigger = Trigger::None;
    EXPECT_EQ(assembled(none), assembled(bright));
}

TEST(UploadScript, EveryChoiceGivesFiftyFiveLines) {
    test::TempFolder folder;
    for (const Chip chip : {Chip::Attiny2313, Chip::Attiny45}) {
        for (const Programmer programmer : {Programmer::LearningCircuit, Programmer::Hidaspx}) {
            for (const Trigger trigger : {Trigger::Bright, Trigger::Dark, Trigger::None}) {
                for (const char* delay : {"0", "1", "13", "-7", "2147483520"}) {
                    for (const char* repeatCount : {"1", "", "12345678901234567890"}) {
                        Settings settings{{}, chip, programmer, trigger, repeatCount, delay};
                        std::string buffer;
                        assembleUploadScript(settings, buffer);
                        writeUploadScript(folder.file(kUploadScriptFileName), buffer);
                        const std::string bytes =
                            test::readBytes(folder.file(kUploadScriptFileName));
                        std::size_t lineEnds = 0;
                        for (std::size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos;
                             at += 2) {
                            ++lineEnds;
                        }
                        EXPECT_EQ(lineEnds, 55u) << delay << ' ' << repeatCount;
                        // and no LF without its CR
                        EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 55);
                        EXPECT_TRUE(bytes.ends_with("\r\ncd ..\r\n\r\n"));
                    }
                }
            }
        }
    }
}

struct FailureCase {
    const char* delay;
    const char* message;
    const char* delayAfter;
    const char* bufferEnd;  // where the partial script stops
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << "delay \"" << c.delay << '"';
}

class UploadScriptFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(UploadScriptFailure, StopsWhereItFails) {
    Settings settings = withDelay("1", GetParam().delay);
    std::string buffer = "left over";
    EXPECT_EQ(test::errorMessageOf([&] { assembleUploadScript(settings, buffer); }),
              GetParam().message);
    EXPECT_EQ(settings.delay, GetParam().delayAfter);

    // The partial script is the defaults' script up to the failure.
    const std::string full = platform::fromCp932(golden("upload_defaults.bat"));
    const std::string expected =
        full.substr(0, full.find("avr-gcc -Os -mmcu=attiny2313")) + GetParam().bufferEnd;
    EXPECT_EQ(buffer, expected);

    // The next click starts afresh.
    settings.delay = "0";
    assembleUploadScript(settings, buffer);
    EXPECT_EQ(buffer + "\r\n", full);
}

INSTANTIATE_TEST_SUITE_P(
    Delays, UploadScriptFailure,
    testing::Values(
        FailureCase{"abc", "'abc' は整数ではありません", "abc", "avr-gcc -Os -mmcu=attiny2313"},
        FailureCase{"", "'' は整数ではありません", "", "avr-gcc -Os -mmcu=attiny2313"},
        FailureCase{"13 ", "'13 ' は整数ではありません", "13 ", "avr-gcc -Os -mmcu=attiny2313"},
        // A hexadecimal delay is an integer, but no floating number to round.
        FailureCase{"$1E", "'$1E' は浮動小数点数ではありません", "$1E",
                    "avr-gcc -Os -mmcu=attiny2313 -DEND_REPEAT_NUM=1"},
        // In 32 bits the rounding reaches 2^31, which is no integer any more.
        FailureCase{"2147483647", "'2147483648' は整数ではありません", "2147483648",
                    "avr-gcc -Os -mmcu=attiny2313 -DEND_REPEAT_NUM=1"}));

// The repeat count may not carry commands into the script: a character with a meaning on a
// cmd.exe command line stops the script before the count goes in, and before the delay is
// rounded.
struct RepeatCountCase {
    std::string repeatCount;
    bool accepted;
};

void PrintTo(const RepeatCountCase& c, std::ostream* os) {
    *os << testing::PrintToString(c.repeatCount);
}

class UploadScriptRepeatCount : public testing::TestWithParam<RepeatCountCase> {};

TEST_P(UploadScriptRepeatCount, GoesInUnchangedOnlyWhenPlain) {
    const std::string& count = GetParam().repeatCount;
    test::TempFolder folder;
    Settings settings = withDelay(count.c_str(), "13");
    settings.repeatCount = count;  // may hold a NUL
    std::string buffer;
    if (GetParam().accepted) {
        assembleUploadScript(settings, buffer);
        EXPECT_NE(
            compileLineOf(buffer).find(" -DEND_REPEAT_NUM=" + count + " -DFIXED_DOWN_TIMER_SEC=6"),
            std::string::npos);
        EXPECT_EQ(settings.delay, "12");
        return;
    }
    EXPECT_EQ(test::errorMessageOf([&] { assembleUploadScript(settings, buffer); }),
              "'" + count + "' には使えない文字が含まれています");
    EXPECT_TRUE(buffer.ends_with("avr-gcc -Os -mmcu=attiny2313 -DEND_REPEAT_NUM=")) << buffer;
    EXPECT_EQ(settings.delay, "13");  // not rounded yet
}

std::vector<RepeatCountCase> repeatCountCases() {
    std::vector<RepeatCountCase> cases;
    for (const char* metacharacter :
         {"&", "|", "<", ">", "^", "%", "\"", "\r", "\n", "\t", "\x01", "\x1b", "\x7f"}) {
        cases.push_back({metacharacter, false});
        cases.push_back({std::string("1") + metacharacter + "2", false});
    }
    cases.push_back({std::string("1\0", 2), false});
    for (const char* refused :
         {"1 & del /q *.*", "1 | curl example.com", "%PATH%", "1\" x", "1 > NUL"}) {
        cases.push_back({refused, false});
    }
    for (const char* plain : {"", "1", "12345678901234567890", "abc", "x9", "2.5", "1 2", " 3 ",
                              "-1", "(1)", "!x!", "３回"}) {
        cases.push_back({plain, true});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Texts, UploadScriptRepeatCount, testing::ValuesIn(repeatCountCases()));

}  // namespace
}  // namespace orgola
