#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <random>

#include "WindowFixture.h"

// Settings files damaged by hand, by other programs or on purpose: the window still opens, with
// the message its rules give, and reading stays bounded in memory.

namespace orgola::test {
namespace {

long peakResidentKiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct HostileCase {
    const char* name;
    std::function<void(const std::string& path)> make;
    std::vector<std::string> errors;  // the box texts; "*" stands for any conversion error
    std::string repeatCount;          // the field after loading
};

void PrintTo(const HostileCase& c, std::ostream* out) {
    *out << c.name;
}

std::string notInteger(const std::string& quoted) {
    return "'" + quoted + "' は整数ではありません.";
}

void write(const std::string& path, const std::string& bytes) {
    writeBytes(path, bytes);
}

class HostileFileTest : public WindowTest, public ::testing::WithParamInterface<HostileCase> {};

TEST_P(HostileFileTest, WindowOpensWithTheRightMessage) {
    const HostileCase& c = GetParam();
    c.make(settingsPath());
    const long before = peakResidentKiB();
    start();
    EXPECT_LT(peakResidentKiB() - before, 48 * 1024) << "KiB more at the peak";
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(interaction.summary().size(), c.errors.size());
    for (size_t i = 0; i < c.errors.size() && i < interaction.events.size(); ++i) {
        if (c.errors[i] == "*") {
            EXPECT_TRUE(interaction.events[i].text.ends_with("' は整数ではありません."));
        } else {
            EXPECT_EQ(interaction.events[i].text, c.errors[i]);
        }
    }
    EXPECT_EQ(field("Ekai")->text().toStdString(), c.repeatCount);
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileFileTest,
    ::testing::Values(
        HostileCase{"BinaryBytes",
                    [](const std::string& path) {
                        write(path, std::string("\x7f\x00\x01\xff", 4) + "\r\n210\r\n");
                    },
                    {notInteger(std::string("\x7f\x00\x01\xef\xbf\xbd", 6))},
                    "1"},
        HostileCase{"RandomBytes",
                    [](const std::string& path) {
                        std::mt19937 random(42);
                        std::string bytes(1 << 20, '\0');
                        for (char& byte : bytes) {
                            byte = static_cast<char>(random() % 10 == 0 ? '\n' : random());
                        }
                        bytes[0] = 'x';
                        write(path, bytes);
                    },
                    {"*"},
                    "1"},
        HostileCase{"InvalidCodePage932",
                    [](const std::string& path) { write(path, settingsLines("\x81\x20\xa0")); },
                    {},
                    "\xef\xbf\xbd \xef\xbf\xbd"},
        HostileCase{"TenMegabyteLine",
                    [](const std::string& path) {
                        write(path, std::string(10 << 20, '1') + "\r\n210\r\n");
                    },
                    {notInteger(std::string(256, '1') + "…")},
                    "1"},
        HostileCase{
            "TenMegabyteRepeatCount",
            [](const std::string& path) { write(path, settingsLines(std::string(10 << 20, '3'))); },
            {},
            std::string(32767, '3')},  // as much as an edit field holds
        HostileCase{"NoLineEndAtAll",
                    [](const std::string& path) { write(path, std::string(64 << 20, '5')); },
                    {notInteger(std::string(256, '5') + "…")},
                    "1"},
        HostileCase{"CarriageReturnsOnly",
                    [](const std::string& path) { write(path, "745\r210\r283\r172\rTRUE\r"); },
                    {notInteger("745210283172TRUE")},
                    "1"},
        HostileCase{"TenThousandLines",
                    [](const std::string& path) {
                        std::string bytes = settingsLines("7");
                        for (int i = 13; i < 10'000; ++i) {
                            bytes += "junk line " + std::to_string(i) + "\r\n";
                        }
                        write(path, bytes);
                    },
                    {},
                    "7"},
        HostileCase{"FolderInPlaceOfTheFile",
                    [](const std::string& path) { std::filesystem::create_directory(path); },
                    {"ファイルへのアクセスが拒否されました."},
                    "1"}),
    [](const auto& info) { return info.param.name; });

TEST_F(WindowTest, UnreadableSettingsFileIsReportedAndTheWindowOpens) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads any file";
    }
    writeSettings(settingsLines());
    ::chmod(settingsPath().c_str(), 0);
    start();
    EXPECT_EQ(interaction.summary(),
              std::vector<std::string>{"error: ファイルへのアクセスが拒否されました."});
    EXPECT_TRUE(form->isVisible());
}

}  // namespace
}  // namespace orgola::test
